// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/messages.h"

#include <QString>

#include "core/common/file_path.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_set.h"

namespace pw::messages {

std::string noFileSelected(const std::string& slotName) {
    return "ERROR: no file selected for Map# " + slotName;
}

std::string unableToOpen(const std::string& name) {
    return "ERROR: unable to open file " + name;
}

std::string noVersion(const std::string& name) {
    return "ERROR: file " + name + " has no valid version number";
}

std::string submap(const std::string& name, std::int32_t version) {
    return "ERROR: file " + name + " is a submap! Version# = " + std::to_string(version);
}

std::string noMapSize(const std::string& name) {
    return "ERROR: file " + name + " has no valid map size";
}

std::string invalidSize(const std::string& name, std::int32_t length, std::int32_t height) {
    return "ERROR: file " + name + " invalid Map size; " + sizeText(length, height);
}

std::string sizeMismatch(const char* what, const std::string& name, const std::string& firstName,
                         std::int32_t expected, std::int32_t found) {
    return "ERROR: file " + name + " " + what + " does not match file " + firstName + "; " +
           std::to_string(expected) + " <> " + std::to_string(found);
}

std::string endsEarly(const std::string& name) {
    return "ERROR: file " + name + " ends early";
}

std::string lettersOutOfOrder(const std::string& name) {
    return "ERROR: file " + name + " has layer letters out of order";
}

std::string unableToRead(const std::string& name) {
    return "ERROR: unable to read file " + name;
}

std::string countNotTaken(Layout layout, int count) {
    return "ERROR: " + std::string(layoutName(layout)) + " takes " +
           countChoices(countRange(layout)) + " sources, not " + std::to_string(count);
}

std::string nameNotUtf8(const std::string& name) {
    return "ERROR: file name " + name + " is not valid UTF-8";
}

std::string unableToCreate(const std::string& path, const std::string& reason) {
    return "ERROR: unable to create file " + path + ": " + reason;
}

std::string unableToWrite(const std::string& path, const std::string& reason) {
    return "ERROR: unable to write file " + path + ": " + reason;
}

std::string sizeText(std::int32_t length, std::int32_t height) {
    return "X = " + std::to_string(length) + " Y = " + std::to_string(height);
}

std::string reasonOf(std::string message) {
    constexpr std::string_view kError = "ERROR: ";
    if (message.starts_with(kError)) {
        message.erase(0, kError.size());
    }
    return message;
}

std::string mapSetFolderUnreadable(const std::string& path, const std::string& reason) {
    return "map-set folder " + path + " cannot be read: " + reason +
           "; its map files are not listed";
}

std::string oneOf(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    }
    return text;
}

std::string layoutChoices() {
    std::vector<std::string> names;
    for (const LayoutRules& rules : kLayoutRules) {
        names.emplace_back(rules.name);
    }
    return oneOf(names);
}

std::string mapSetChoices() {
    std::vector<std::string> names;
    for (int i = 0; i < kMapSetCount; ++i) {
        names.push_back(mapSetKeyword(i));
    }
    return oneOf(names);
}

std::string directionChoices() {
    std::string text;
    for (const std::string_view name : kDirectionNames) {
        text += std::string(name) + ", ";
    }
    text.resize(text.size() - 2);
    return text + " or 0 to " + std::to_string(kDirectionNames.size() - 1);
}

std::string countChoices(const CountRange& counts) {
    if (counts.step == 1 && counts.last - counts.first > 1) {
        return std::to_string(counts.first) + " to " + std::to_string(counts.last);
    }
    std::vector<std::string> counted;
    for (int count = counts.first; count <= counts.last; count += counts.step) {
        counted.push_back(std::to_string(count));
    }
    return oneOf(counted);
}

std::string setupProblem(const std::string& file, const std::string& what) {
    return "ERROR: setup " + escapedName(file) + ": " + what;
}

namespace setup {
namespace {

// A value from the file in quotes, escaped as JSON would write it, so that every problem
// stays one line whatever the file holds.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += {'\\', c};
        } else if (byte < 0x20 || byte == 0x7f) {
            constexpr char kHex[] = "0123456789abcdef";
            out += std::string("\\u00") + kHex[byte >> 4] + kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// "slot 2: " or "" for the top level.
std::string at(const std::string& where) {
    return where.empty() ? "" : where + ": ";
}

}  // namespace

std::string syntax(int line, int column, const std::string& reason) {
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason;
}

std::string notAnObject() {
    return "not a setup (expected a JSON object)";
}

std::string newerFormat(int format, int known) {
    return "format " + std::to_string(format) +
           " was written by a newer version of the program; this one reads format " +
           std::to_string(known) + " and older";
}

std::string badFormat() {
    return "\"format\" must be a whole number from 1";
}

std::string missing(const std::string& where, const char* key) {
    return at(where) + "missing " + quoted(key);
}

std::string unknownKey(const std::string& where, const std::string& key) {
    return at(where) + "unknown key " + quoted(key);
}

std::string wrongType(const std::string& where, const char* key, const char* type) {
    return at(where) + quoted(key) + " must be " + type;
}

std::string unknownLayout(const std::string& text) {
    return "unknown layout " + quoted(text) + " (" + layoutChoices() + ")";
}

std::string unknownMapSet(const std::string& text) {
    return "unknown map set " + quoted(text) + " (" + mapSetChoices() + ")";
}

std::string unknownDirection(const std::string& text) {
    return "unknown direction " + quoted(text) + " (" + directionChoices() + ")";
}

std::string slotCount(Layout layout, int count) {
    return std::string(layoutName(layout)) + " takes " + countChoices(countRange(layout)) +
           " slots, not " + std::to_string(count);
}

std::string slotNotObject(int slot) {
    return "slot " + std::to_string(slot + 1) + " must be an object";
}

std::string badMark(int slot, const std::string& text) {
    return "slot " + std::to_string(slot + 1) + ": mark " + quoted(text) + " is not L, R or none";
}

std::string twoPanels(int slot) {
    return "slot " + std::to_string(slot + 1) + ": both \"file\" and \"mapSetFile\"";
}

std::string emptyPath(const std::string& where, const char* key) {
    return at(where) + quoted(key) + " is empty";
}

std::string notPlainName(int slot) {
    return "slot " + std::to_string(slot + 1) +
           ": \"mapSetFile\" must be a file name without a folder";
}

std::string notRegularFile() {
    return "not a regular file";
}

std::string tooLarge(long long limit) {
    return "larger than " + std::to_string(limit) + " bytes, too large for a setup";
}

std::string outputIsSetup() {
    return "the output map or picture is the setup file itself";
}

std::string keyTwice(const std::string& where, const std::string& key) {
    return at(where) + "key " + quoted(key) + " given twice";
}

std::string nulCharacter(const std::string& where, const char* key) {
    return at(where) + quoted(key) + " contains a NUL character";
}

std::string loneSurrogate(const std::string& where, const char* key) {
    return at(where) + quoted(key) + " contains a lone surrogate (\\uD800 to \\uDFFF alone)";
}

std::string outsideFolder(const char* role, const std::string& path) {
    return std::string(role) + " " + path + " lies outside the setup's folder";
}

std::string alsoWrittenBy(const char* role, const std::string& path, const std::string& other) {
    return std::string(role) + " " + path + " is also written by setup " + escapedName(other);
}

std::string readBy(const char* role, const std::string& path, const std::string& other) {
    return std::string(role) + " " + path + " is read by setup " + escapedName(other);
}

std::string writtenBy(const std::string& path, const std::string& other) {
    return path + " is written by setup " + escapedName(other);
}

std::string outputNotMap(const std::string& path) {
    return "output " + path + " is not a map file";
}

std::string pictureNotPngOrPdf(const std::string& path) {
    return "picture " + path + " is not a PNG or PDF file";
}

std::string folderNotHeld(const std::string& reason) {
    return "its folder cannot be opened: " + reason;
}

}  // namespace setup

std::string rowTooLong(const std::string& name) {
    return "ERROR: file " + name + " has a row longer than its length";
}

}  // namespace pw::messages
