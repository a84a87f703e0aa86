// SPDX-License-Identifier: GPL-3.0-or-later
// Keys given twice in a setup's JSON text, found before Qt's reader drops one.
#include "core/setup/duplicate_keys.h"

#include <set>
#include <vector>

#include "core/common/messages.h"

namespace pw {
namespace {

// One object or list that the walk is inside of.
struct Level {
    bool object = false;
    std::set<std::string> keys;  // an object's keys so far
    std::string key;             // the key whose value comes next
    int index = 0;               // a list's entry
    bool expectKey = true;       // an object's next string is a key
};

// The string starting at json[at] (its opening quote), escapes decoded; `at` ends past it.
std::string readString(const QByteArray& json, qsizetype& at) {
    std::string text;
    for (++at; at < json.size() && json[at] != '"'; ++at) {
        if (json[at] != '\\' || at + 1 >= json.size()) {
            text += json[at];
            continue;
        }
        const char escape = json[++at];
        if (escape == 'u') {
            // Every key a setup knows is ASCII: an escaped ASCII character is decoded, any
            // other is kept as written (the key is unknown anyway).
            const QByteArray hex = json.mid(at + 1, 4);
            bool isHex = false;
            const int unit = hex.toInt(&isHex, 16);
            text += isHex && unit < 0x80 ? std::string(1, static_cast<char>(unit))
                                         : "\\u" + hex.toStdString();
            at += 4;
        } else {
            text += escape == 'n' ? '\n' : escape == 't' ? '\t' : escape == 'r' ? '\r' : escape;
        }
    }
    ++at;
    return text;
}

// How the setup's messages name where a level lies.
std::string whereOf(const std::vector<Level>& levels) {
    if (levels.size() == 3 && !levels[1].object && levels[0].key == "slots") {
        return messages::setup::slotPlace(levels[1].index + 1);
    }
    if (levels.size() == 2 && levels[0].key == "picture") {
        return "picture";
    }
    return {};
}

}  // namespace

std::optional<DuplicateKey> findDuplicateKey(const QByteArray& json) {
    std::vector<Level> levels;
    for (qsizetype at = 0; at < json.size();) {
        const char c = json[at];
        if (c == '"') {
            const std::string text = readString(json, at);
            if (!levels.empty() && levels.back().object && levels.back().expectKey) {
                Level& level = levels.back();
                if (!level.keys.insert(text).second) {
                    return DuplicateKey{whereOf(levels), text};
                }
                level.key = text;
                level.expectKey = false;
            }
            continue;
        }
        if (c == '{' || c == '[') {
            levels.push_back(Level{c == '{', {}, {}, 0, true});
        } else if ((c == '}' || c == ']') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            levels.back().expectKey = true;
            ++levels.back().index;
        }
        ++at;
    }
    return std::nullopt;
}

}  // namespace pw
