// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of the core and those every layer shares, worded once and translated.
#pragma once

#include <QCoreApplication>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

// The translation context of every text below: lupdate files them under "Messages".
class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

}  // namespace pw

namespace pw::messages {

// A text marked with QT_TRANSLATE_NOOP("Messages", ...) (the k... constants below) in the
// language shown, as UTF-8 bytes.
std::string translated(const char* source);

// Errors, successes, reasons and status lines, each a whole sentence translated with its
// placeholders; what lists layouts, map sets or directions lies beside them in the core. `name` is
// a source's file name as the user chose it, `path` a path as given, `reason` the system's words
// for a failure.

// The slots' checks and the merge; `slotName` as LayoutShape::slotName gives it.
std::string noFileSelected(const std::string& slotName);
std::string unableToOpen(const std::string& name);
std::string noVersion(const std::string& name);
std::string submap(const std::string& name, std::int32_t version);
std::string noMapSize(const std::string& name);
std::string invalidSize(const std::string& name, std::int32_t length, std::int32_t height);
// `expected` is the first source's, `found` this one's.
std::string heightMismatch(const std::string& name, const std::string& firstName,
                           std::int32_t expected, std::int32_t found);
std::string lengthMismatch(const std::string& name, const std::string& firstName,
                           std::int32_t expected, std::int32_t found);
std::string endsEarly(const std::string& name);
std::string lettersOutOfOrder(const std::string& name);
std::string unableToRead(const std::string& name);
// A layout (named as the command line spells it) handed a number of sources it does not
// take; `counts` are the ones it takes, as core/assembly/layout_choices.h words them.
std::string countNotTaken(std::string_view layout, const std::string& counts, int count);

// The output (a map, a picture, a setup) cannot be made or written; `reason` is the system's.
std::string unableToCreate(const std::string& path, const std::string& reason);
std::string unableToWrite(const std::string& path, const std::string& reason);
// The sheets of a map cannot go to the printer of that name.
std::string unableToPrint(const std::string& printer, const std::string& reason);
inline constexpr char kMapCreated[] =
    QT_TRANSLATE_NOOP("Messages", "New map file created successfully");
inline constexpr char kMapFilesNotFound[] =
    QT_TRANSLATE_NOOP("Messages", "ERROR searchinng for Map files");

// Reasons and status lines.
// A map's size as the messages give it: "X = 32 Y = 20".
std::string sizeText(std::int32_t length, std::int32_t height);
// A message without its "ERROR: ", for a tooltip or a usage error rather than an error box.
std::string reasonOf(std::string message);

// The choices of a name, as usage errors and setup problems list them: "a, b or c". The
// lists of layouts, counts, map sets and directions are worded beside their concepts
// (core/assembly/layout_choices.h, core/mapfile/keyword_choices.h).
std::string oneOf(const std::vector<std::string>& names);
// "2 to 4" for a run of more than two counts.
std::string countSpan(int first, int last);

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
// `rule` is one of the k...Rule sentences below, its %1 the key.
std::string wrongType(const std::string& where, const char* key, const char* rule);
inline constexpr char kStringRule[] = QT_TRANSLATE_NOOP("Messages", "%1 must be a string");
inline constexpr char kWholeNumberRule[] =
    QT_TRANSLATE_NOOP("Messages", "%1 must be a whole number");
inline constexpr char kNumberRule[] = QT_TRANSLATE_NOOP("Messages", "%1 must be a number");
inline constexpr char kTrueOrFalseRule[] =
    QT_TRANSLATE_NOOP("Messages", "%1 must be true or false");
inline constexpr char kObjectRule[] = QT_TRANSLATE_NOOP("Messages", "%1 must be an object");
inline constexpr char kListRule[] = QT_TRANSLATE_NOOP("Messages", "%1 must be a list");
// `choices` as the command line lists them.
std::string unknownLayout(const std::string& text, const std::string& choices);
std::string unknownMapSet(const std::string& text, const std::string& choices);
std::string unknownDirection(const std::string& text, const std::string& choices);
// As countNotTaken, of a setup's slots.
std::string slotCount(std::string_view layout, const std::string& counts, int count);
// Where in a setup a problem lies: "slot 2" (numbered from 1).
std::string slotPlace(int slot);
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

// Both programs' command lines: an argument that would be read as an option names a file
// here (`name` escaped).
std::string fileNamedLikeOption(const std::string& name);

// Files of every kind. `name` and `path` come escaped (escapedName), `reason` in the
// system's words.
std::string nameNotUtf8(const std::string& name);

// What is passed over, told in a "WARNING: ..." line or a note of the dialogs: a map-set
// folder that cannot be listed.
std::string mapSetFolderUnreadable(const std::string& path, const std::string& reason);

// Reasons of a refused output, where the system has none of its own.
inline constexpr char kNotRegularFile[] = QT_TRANSLATE_NOOP("Messages", "Not a regular file");
inline constexpr char kNameNotUtf8[] =
    QT_TRANSLATE_NOOP("Messages", "File name is not valid UTF-8");
inline constexpr char kForeignLink[] =
    QT_TRANSLATE_NOOP("Messages", "Not following a link that another user left in a shared folder");
// A save confined to a setup's folder whose file or folder changed after the plan.
inline constexpr char kPlaceChanged[] = QT_TRANSLATE_NOOP(
    "Messages", "the file or a folder on its way changed after the setup was checked");

// A map whose row holds more than blanks past its length is damaged, like one that ends
// early.
std::string rowTooLong(const std::string& name);

}  // namespace pw::messages
