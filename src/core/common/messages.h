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
// A path typed into the Save As prompt whose folder is not there.
std::string folderMissing(const std::string& folder);

// Pictures.
std::string tooLargeToDraw(const std::string& name, int cellSize);
std::string notEnoughMemoryToDraw(const std::string& name);

// Reasons and status lines.
// A map's size as the messages give it: "X = 32 Y = 20".
std::string sizeText(std::int32_t length, std::int32_t height);
// A message without its "ERROR: ", for a tooltip or a usage error rather than an error box.
std::string reasonOf(std::string message);
// The preview's line for the cell under the mouse: column, row and the cell's character in
// each grid and in each layer (`layerLetters` and `layerCells` alike long).
std::string cellDescription(int column, int row, char first, char second,
                            const std::string& layerLetters, const std::string& layerCells);
// What follows it: the slot the cell came from (numbered from 1) and the name chosen there.
std::string cellSlot(int slotNumber, const std::string& name);

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

// The captions of the setup commands in the dialogs.
inline constexpr char kOpenSetup[] = "Open Setup...";
inline constexpr char kSaveSetup[] = "Save Setup...";
inline constexpr char kSetupMenu[] = "&File";
inline constexpr char kOpenSetupItem[] = "&Open Setup...";
inline constexpr char kReopenLastComposition[] = "&Reopen Last Composition";
inline constexpr char kNoRecentSetups[] = "No recent setups";
inline constexpr char kSetupFilter[] = "Boardsmith setup (*.pwsetup)";
// Their buttons in the composer dialogs, with the letters that Alt picks them by.
inline constexpr char kOpenSetupButton[] = "&Open Setup...";
inline constexpr char kSaveSetupButton[] = "Sa&ve Setup...";
inline constexpr char kUndo[] = "Undo";
inline constexpr char kRedo[] = "Redo";

// The preview: what the keys do, and the label under the mouse ("; label "Hill"").
inline constexpr char kPreviewKeys[] =
    "Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or Home fits. Ctrl+S "
    "Save Map, Ctrl+Shift+S Save Setup, Ctrl+O Open Setup, Ctrl+Z undo, Shift+click or "
    "Shift+Space on the arrow turns it back";
std::string hoveredLabel(const std::string& label);
// ... and what it says before any panel is chosen.
inline constexpr char kChooseFirstPanel[] = "Choose a panel for slot 1";
// The preview's fix-up highlight and its Save Image prompt.
inline constexpr char kFixUps[] = "&Fix-ups";
inline constexpr char kFixUpsTip[] =
    "Highlights in magenta the cells of layer b that the junction fix-up changed where L and "
    "R marked panels meet";
inline constexpr char kSaveImage[] = "Save Image";
inline constexpr char kPngFilter[] = "PNG image (*.png)";
inline constexpr char kPdfFilter[] = "PDF to print (*.pdf)";

// What a screen reader says of the dialogs' controls (slots numbered from 1): names where
// a control has no text of its own, and descriptions where its purpose needs saying.
std::string slotListName(int slot);  // "Slot 3 map file"
std::string slotListDescription(int slot);
std::string slotJoinsWith(char mark);  // " It joins with mark R."
inline constexpr char kDirectionName[] = "Turn the map's top edge";
std::string directionDescription(const std::string& direction);
inline constexpr char kPreviewName[] = "Map preview";
inline constexpr char kPreviewShowDescription[] =
    "What the preview draws: the first grid, the second grid or a layer over the first grid";
inline constexpr char kPreviewToggleDescription[] =
    "Shows or hides the picture of the map that Save Map would write";
inline constexpr char kOpenSetupDescription[] =
    "Fills the slots, marks and direction from a setup file (Ctrl+O)";
inline constexpr char kSaveSetupDescription[] =
    "Keeps the slots, marks and direction in a setup file (Ctrl+Shift+S)";
inline constexpr char kSaveMapDescription[] =
    "Checks the chosen panels and writes the joined map (Ctrl+S)";
std::string countDescription(const CountRange& counts);

// A slot joining with a mark its chosen name does not show (slots numbered from 1):
// "R (kept)" beside it, its tooltip, and what the preview says of it, naming the slots
// across the junctions the mark changes.
std::string keptMark(char mark);
std::string keptMarkFrom(char mark, const std::string& from, const std::string& chosen);
std::string keptMarkNote(int slot, char mark, const std::string& from,
                         const std::vector<int>& changedWith);

// The seam check: why it compared nothing, which is no pass (`legend` the legend's path,
// escaped), and its closing sentence; `failed` counts the slots that cannot be joined
// (damaged, empty).
std::string noLegendToCompare(const std::string& legend);
std::string noFeatureToCompare(const std::string& legend);
std::string seamsChecked(int seams, int mismatches, int failed);
// The seam check in the preview: its "Seam check" box with the letter Alt picks it by, what
// the box is for, its note above the picture (`finding` one of the sentences above), and
// what the line under the picture adds over a cell that does not meet: the feature here
// and the cell across in the slot beyond the seam (numbered from 1), each with its meaning
// from the legend (empty for none).
inline constexpr char kSeamCheck[] = "Sea&m check";
inline constexpr char kSeamCheckDescription[] =
    "Marks in cyan the edge cells of features the legend marks with + that do not meet "
    "across a seam";
std::string seamCheckNote(const std::string& finding);
std::string seamMismatchHover(char here, const std::string& hereMeaning, int facingSlot,
                              const std::string& facingName, char across,
                              const std::string& acrossMeaning);

// Why a picture is refused before anything is written: its name's suffix says it is no
// picture this program writes.
std::string notAPictureName();

// Pictures of a map.
std::string tooLargeToDraw(const std::string& name, int cellSize);
std::string notEnoughMemoryToDraw(const std::string& name);
std::string outOfMemory();
std::string cellTooLargeForPaper(double cellMm, const std::string& paper);
// The captions of a printed map: its overview sheet and each sheet after it.
std::string overviewCaption(const std::string& name, int length, int height, int sheets, int across,
                            int down, int overlap);
std::string sheetCaption(int row, int rows, int column, int columns, int firstColumn,
                         int lastColumn, int firstRow, int lastRow);
// The map just written cannot be read back to draw it.
std::string mapNotReadable();
// Files of every kind. `name` and `path` come escaped (escapedName), `reason` in the
// system's words.
std::string nameNotUtf8(const std::string& name);
// A legend that is no regular file is left out, and the built-in palette drawn instead.
std::string legendNotRegular(const std::string& path);

// What is passed over, told in a "WARNING: ..." line or a note of the dialogs: a legend
// that cannot be read or is cut at `limitKiB`, a map-set folder that cannot be listed.
std::string legendUnreadable(const std::string& path, const std::string& reason);
std::string legendCut(const std::string& path, int limitKiB);
std::string mapSetFolderUnreadable(const std::string& path, const std::string& reason);
// "Save Image..." wrote its picture.
inline constexpr char kImageCreated[] = "New image file created successfully";

// Reasons of a refused output, where the system has none of its own.
inline constexpr const char kNotRegularFile[] = "Not a regular file";
inline constexpr const char kNameNotUtf8[] = "File name is not valid UTF-8";
inline constexpr const char kForeignLink[] =
    "Not following a link that another user left in a shared folder";
// A save confined to a setup's folder whose file or folder changed after the plan.
inline constexpr const char kPlaceChanged[] =
    "the file or a folder on its way changed after the setup was checked";
// A PDF of more sheets than anyone prints is refused before a page is written.
std::string tooManySheets(int sheets, int most, double cellMm);

// A setup opened in the dialogs whose output or picture (`role`, `path` as the setup names
// it, escaped) lies outside its folder: the dialogs leave it out.
std::string setupFileLeftOut(const std::string& file, const char* role, const std::string& path);
// A map whose row holds more than blanks past its length is damaged, like one that ends
// early.
std::string rowTooLong(const std::string& name);
// A PNG picture of more than `most` pixels a side is refused before it is drawn; `scale`
// is the largest number of pixels per cell that fits.
std::string pictureTooLarge(const std::string& name, int width, int height, int most, int scale);

}  // namespace pw::messages
