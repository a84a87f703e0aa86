// SPDX-License-Identifier: GPL-3.0-or-later
// The core's messages and those every layer shares, translated and filled byte for byte.
#include "core/common/messages.h"

#include <QString>

#include "core/common/path_bytes.h"
#include "core/common/translated_text.h"

namespace pw::messages {
namespace {

std::string number(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace

std::string translated(const char* source) {
    return filled(QCoreApplication::translate("Messages", source));
}

std::string noFileSelected(const std::string& slotName) {
    return filled(Messages::tr("ERROR: no file selected for Map# %1"), {slotName});
}

std::string unableToOpen(const std::string& name) {
    return filled(Messages::tr("ERROR: unable to open file %1"), {name});
}

std::string noVersion(const std::string& name) {
    return filled(Messages::tr("ERROR: file %1 has no valid version number"), {name});
}

std::string submap(const std::string& name, std::int32_t version) {
    return filled(Messages::tr("ERROR: file %1 is a submap! Version# = %2"),
                  {name, number(version)});
}

std::string noMapSize(const std::string& name) {
    return filled(Messages::tr("ERROR: file %1 has no valid map size"), {name});
}

std::string invalidSize(const std::string& name, std::int32_t length, std::int32_t height) {
    return filled(Messages::tr("ERROR: file %1 invalid Map size; %2"),
                  {name, sizeText(length, height)});
}

std::string heightMismatch(const std::string& name, const std::string& firstName,
                           std::int32_t expected, std::int32_t found) {
    return filled(Messages::tr("ERROR: file %1 height does not match file %2; %3 <> %4"),
                  {name, firstName, number(expected), number(found)});
}

std::string lengthMismatch(const std::string& name, const std::string& firstName,
                           std::int32_t expected, std::int32_t found) {
    return filled(Messages::tr("ERROR: file %1 length does not match file %2; %3 <> %4"),
                  {name, firstName, number(expected), number(found)});
}

std::string endsEarly(const std::string& name) {
    return filled(Messages::tr("ERROR: file %1 ends early"), {name});
}

std::string lettersOutOfOrder(const std::string& name) {
    return filled(Messages::tr("ERROR: file %1 has layer letters out of order"), {name});
}

std::string unableToRead(const std::string& name) {
    return filled(Messages::tr("ERROR: unable to read file %1"), {name});
}

std::string countNotTaken(std::string_view layout, const std::string& counts, int count) {
    return filled(Messages::tr("ERROR: %1 takes %2 sources, not %3"),
                  {layout, counts, number(count)});
}

std::string fileNamedLikeOption(const std::string& name) {
    return filled(Messages::tr("%1 is the name of a file here; write ./%1 to mean the file, or put "
                               "the options before the files"),
                  {name});
}

std::string nameNotUtf8(const std::string& name) {
    return filled(Messages::tr("ERROR: file name %1 is not valid UTF-8"), {name});
}

std::string unableToCreate(const std::string& path, const std::string& reason) {
    return filled(Messages::tr("ERROR: unable to create file %1: %2"), {path, reason});
}

std::string unableToWrite(const std::string& path, const std::string& reason) {
    return filled(Messages::tr("ERROR: unable to write file %1: %2"), {path, reason});
}

std::string unableToPrint(const std::string& printer, const std::string& reason) {
    return filled(Messages::tr("ERROR: unable to print on %1: %2"), {printer, reason});
}

std::string sizeText(std::int32_t length, std::int32_t height) {
    return filled(Messages::tr("X = %1 Y = %2"), {number(length), number(height)});
}

std::string reasonOf(std::string message) {
    // The prefix in the language shown, and the English one of a text made before.
    const std::string translatedError = filled(Messages::tr("ERROR: %1"), {""});
    for (const std::string_view prefix :
         {std::string_view(translatedError), std::string_view("ERROR: ")}) {
        if (!prefix.empty() && message.starts_with(prefix)) {
            message.erase(0, prefix.size());
            break;
        }
    }
    return message;
}

std::string mapSetFolderUnreadable(const std::string& path, const std::string& reason) {
    return filled(
        Messages::tr("map-set folder %1 cannot be read: %2; its map files are not listed"),
        {path, reason});
}

std::string oneOf(const std::vector<std::string>& names) {
    if (names.size() < 2) {
        return names.empty() ? std::string() : names.front();
    }
    std::string text = names.front();
    for (std::size_t i = 1; i + 1 < names.size(); ++i) {
        text += ", " + names[i];
    }
    return filled(Messages::tr("%1 or %2"), {text, names.back()});
}

std::string countSpan(int first, int last) {
    return filled(Messages::tr("%1 to %2"), {number(first), number(last)});
}

std::string setupProblem(const std::string& file, const std::string& what) {
    return filled(Messages::tr("ERROR: setup %1: %2"), {escapedName(file), what});
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

// "slot 2: ..." or the bare text for the top level.
std::string at(const std::string& where, const std::string& text) {
    return where.empty() ? text : filled(Messages::tr("%1: %2"), {where, text});
}

}  // namespace

std::string syntax(int line, int column, const std::string& reason) {
    return filled(Messages::tr("line %1, column %2: %3"), {number(line), number(column), reason});
}

std::string notAnObject() {
    return filled(Messages::tr("not a setup (expected a JSON object)"));
}

std::string newerFormat(int format, int known) {
    return filled(Messages::tr("format %1 was written by a newer version of the program; this one "
                               "reads format %2 and older"),
                  {number(format), number(known)});
}

std::string badFormat() {
    return filled(Messages::tr("\"format\" must be a whole number from 1"));
}

std::string missing(const std::string& where, const char* key) {
    return at(where, filled(Messages::tr("missing %1"), {quoted(key)}));
}

std::string unknownKey(const std::string& where, const std::string& key) {
    return at(where, filled(Messages::tr("unknown key %1"), {quoted(key)}));
}

std::string wrongType(const std::string& where, const char* key, const char* rule) {
    return at(where, filled(QCoreApplication::translate("Messages", rule), {quoted(key)}));
}

std::string unknownLayout(const std::string& text, const std::string& choices) {
    return filled(Messages::tr("unknown layout %1 (%2)"), {quoted(text), choices});
}

std::string unknownMapSet(const std::string& text, const std::string& choices) {
    return filled(Messages::tr("unknown map set %1 (%2)"), {quoted(text), choices});
}

std::string unknownDirection(const std::string& text, const std::string& choices) {
    return filled(Messages::tr("unknown direction %1 (%2)"), {quoted(text), choices});
}

std::string slotCount(std::string_view layout, const std::string& counts, int count) {
    return filled(Messages::tr("%1 takes %2 slots, not %3"), {layout, counts, number(count)});
}

std::string slotNotObject(int slot) {
    return filled(Messages::tr("slot %1 must be an object"), {number(slot + 1)});
}

std::string badMark(int slot, const std::string& text) {
    return filled(Messages::tr("slot %1: mark %2 is not L, R or none"),
                  {number(slot + 1), quoted(text)});
}

std::string twoPanels(int slot) {
    return filled(Messages::tr("slot %1: both \"file\" and \"mapSetFile\""), {number(slot + 1)});
}

std::string emptyPath(const std::string& where, const char* key) {
    return at(where, filled(Messages::tr("%1 is empty"), {quoted(key)}));
}

std::string notPlainName(int slot) {
    return filled(Messages::tr("slot %1: \"mapSetFile\" must be a file name without a folder"),
                  {number(slot + 1)});
}

std::string notRegularFile() {
    return filled(Messages::tr("not a regular file"));
}

std::string tooLarge(long long limit) {
    return filled(Messages::tr("larger than %1 bytes, too large for a setup"), {number(limit)});
}

std::string outputIsSetup() {
    return filled(Messages::tr("the output map or picture is the setup file itself"));
}

std::string keyTwice(const std::string& where, const std::string& key) {
    return at(where, filled(Messages::tr("key %1 given twice"), {quoted(key)}));
}

std::string nulCharacter(const std::string& where, const char* key) {
    return at(where, filled(Messages::tr("%1 contains a NUL character"), {quoted(key)}));
}

std::string loneSurrogate(const std::string& where, const char* key) {
    return at(where, filled(Messages::tr("%1 contains a lone surrogate (\\uD800 to \\uDFFF alone)"),
                            {quoted(key)}));
}

std::string outsideFolder(const char* role, const std::string& path) {
    return filled(Messages::tr("%1 %2 lies outside the setup's folder"), {role, path});
}

std::string slotPlace(int slot) {
    return filled(Messages::tr("slot %1"), {number(slot)});
}

std::string alsoWrittenBy(const char* role, const std::string& path, const std::string& other) {
    return filled(Messages::tr("%1 %2 is also written by setup %3"),
                  {role, path, escapedName(other)});
}

std::string readBy(const char* role, const std::string& path, const std::string& other) {
    return filled(Messages::tr("%1 %2 is read by setup %3"), {role, path, escapedName(other)});
}

std::string writtenBy(const std::string& path, const std::string& other) {
    return filled(Messages::tr("%1 is written by setup %2"), {path, escapedName(other)});
}

std::string outputNotMap(const std::string& path) {
    return filled(Messages::tr("output %1 is not a map file"), {path});
}

std::string pictureNotPngOrPdf(const std::string& path) {
    return filled(Messages::tr("picture %1 is not a PNG or PDF file"), {path});
}

std::string folderNotHeld(const std::string& reason) {
    return filled(Messages::tr("its folder cannot be opened: %1"), {reason});
}

}  // namespace setup

std::string rowTooLong(const std::string& name) {
    return filled(Messages::tr("ERROR: file %1 has a row longer than its length"), {name});
}

}  // namespace pw::messages
