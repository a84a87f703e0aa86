// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/assembly/layout.h"

namespace pw::messages {

// Every text the program composes for the user, worded in one place: errors, successes,
// reasons and status lines, and the captions of commands the dialogs make themselves.
// Captions of controls laid out in templates stay there. `name` is a source's file name as
// the user chose it, `path` a path as given, `reason` the system's words for a failure.

// The slots' checks and the merge; `slotName` as LayoutShape::slotName gives it.
std::string noFileSelected(const std::string& slotName);
std::string unableToOpen(const std::string& name);
std::string noVersion(const std::string& name);
std::string submap(const std::string& name, std::int32_t version);
std::string noMapSize(const std::string& name);
std::string invalidSize(const std::string& name, std::int32_t length, std::int32_t height);
// `what` is "height" or "length"; `expected` is the first source's, `found` this one's.
std::string sizeMismatch(const char* what, const std::string& name, const std::string& firstName,
                         std::int32_t expected, std::int32_t found);
std::string endsEarly(const std::string& name);
std::string lettersOutOfOrder(const std::string& name);
std::string unableToRead(const std::string& name);
// A layout handed a number of sources it does not take.
std::string countNotTaken(Layout layout, int count);

// The output (a map, a picture, a setup) cannot be made or written; `reason` is the system's.
std::string unableToCreate(const std::string& path, const std::string& reason);
std::string unableToWrite(const std::string& path, const std::string& reason);
inline constexpr std::string_view kMapCreated = "New map file created successfully";
inline constexpr std::string_view kMapFilesNotFound = "ERROR searchinng for Map files";

// Reasons and status lines.
// A map's size as the messages give it: "X = 32 Y = 20".
std::string sizeText(std::int32_t length, std::int32_t height);
// A message without its "ERROR: ", for a tooltip or a usage error rather than an error box.
std::string reasonOf(std::string message);

// The choices of a name, as usage errors and setup problems list them: "a, b or c".
std::string oneOf(const std::vector<std::string>& names);
std::string layoutChoices();                         // "top-to-bottom, end-to-end or composite"
std::string mapSetChoices();                         // "ironfall or emberline"
std::string directionChoices();                      // "N, NE, E, SE, S, SW, W, NW or 0 to 7"
std::string countChoices(const CountRange& counts);  // "2 to 4", "2 or 3", "4, 6 or 8"

// Setup files. Every problem with one reads "ERROR: setup FILE: WHAT"; `file` is the
// setup's path as the user gave it, escaped here (escapedName).
std::string setupProblem(const std::string& file, const std::string& what);
namespace setup {
std::string syntax(int line, int column, const std::string& reason);
std::string notAnObject();
std::string newerFormat(int format, int known);
std::string badFormat();
std::string missing(const std::string& where, const char* key);
std::string unknownKey(const std::string& where, const std::string& key);
std::string wrongType(const std::string& where, const char* key, const char* type);
std::string unknownLayout(const std::string& text);
std::string unknownMapSet(const std::string& text);
std::string unknownDirection(const std::string& text);
std::string slotCount(Layout layout, int count);
std::string slotNotObject(int slot);
std::string badMark(int slot, const std::string& text);
std::string twoPanels(int slot);
std::string emptyPath(const std::string& where, const char* key);
std::string notPlainName(int slot);
std::string notRegularFile();
std::string tooLarge(long long limit);
std::string outputIsSetup();
// What the setup's text says in a way that names no file, or says twice.
std::string keyTwice(const std::string& where, const std::string& key);
std::string nulCharacter(const std::string& where, const char* key);
std::string loneSurrogate(const std::string& where, const char* key);
// `role` is "output" or "picture", `path` as the setup names it, escaped.
std::string outsideFolder(const char* role, const std::string& path);
// Two setups of one run that write the same file, or one writes what the other reads
// (its panel, or the other setup itself); `path` as this setup names it.
std::string alsoWrittenBy(const char* role, const std::string& path, const std::string& other);
std::string readBy(const char* role, const std::string& path, const std::string& other);
std::string writtenBy(const std::string& path, const std::string& other);
// A setup writes maps and pictures only (`path` as the setup names it, escaped), inside a
// folder held open from the plan on; why that folder could not be held.
std::string outputNotMap(const std::string& path);
std::string pictureNotPngOrPdf(const std::string& path);
std::string folderNotHeld(const std::string& reason);
}  // namespace setup

// Files of every kind. `name` and `path` come escaped (escapedName), `reason` in the
// system's words.
std::string nameNotUtf8(const std::string& name);

// What is passed over, told in a "WARNING: ..." line or a note of the dialogs: a map-set
// folder that cannot be listed.
std::string mapSetFolderUnreadable(const std::string& path, const std::string& reason);

// Reasons of a refused output, where the system has none of its own.
inline constexpr const char kNotRegularFile[] = "Not a regular file";
inline constexpr const char kNameNotUtf8[] = "File name is not valid UTF-8";
inline constexpr const char kForeignLink[] =
    "Not following a link that another user left in a shared folder";
// A save confined to a setup's folder whose file or folder changed after the plan.
inline constexpr const char kPlaceChanged[] =
    "the file or a folder on its way changed after the setup was checked";

// A map whose row holds more than blanks past its length is damaged, like one that ends
// early.
std::string rowTooLong(const std::string& name);

}  // namespace pw::messages
