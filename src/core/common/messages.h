#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pw::messages {

// Every text the program composes for the user, worded in one place: errors, successes,
// reasons and status lines. Captions of controls stay with their templates and widgets.
// `name` is a source's file name as the user chose it, `path` a path as given, `reason`
// the system's words for a failure.

// The slots' checks and the merge.
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
// A layout handed a number of sources it does not take; `counts` are those it takes.
std::string countNotTaken(std::string_view layout, const std::vector<int>& counts, int count);
// "2 to 4", "2 or 3", "4, 6 or 8".
std::string countChoices(const std::vector<int>& counts);

// The output.
std::string unableToCreate(const std::string& path, const std::string& reason);
std::string unableToWrite(const std::string& path, const std::string& reason);
inline constexpr std::string_view kMapCreated = "New map file created successfully";
inline constexpr std::string_view kMapFilesNotFound = "ERROR searchinng for Map files";
// A path typed into the Save As prompt whose folder is not there.
std::string folderMissing(const std::string& folder);

// Pictures.
std::string unableToWriteImage(const std::string& path, const std::string& reason);
std::string tooLargeToDraw(const std::string& name, int cellSize);
std::string notEnoughMemoryToDraw(const std::string& name);

// Reasons and status lines.
// A map's size as the messages give it: "X = 32 Y = 20".
std::string sizeText(std::int32_t length, std::int32_t height);
// A message without its "ERROR: ", for a tooltip rather than an error box.
std::string reasonOf(std::string message);
// The preview's line for the cell under the mouse: column, row and the cell's character in
// each grid and in each layer (`layerLetters` and `layerCells` alike long).
std::string cellDescription(int column, int row, char first, char second,
                            const std::string& layerLetters, const std::string& layerCells);
// What follows it: the slot the cell came from (numbered from 1) and the name chosen there.
std::string cellSlot(int slotNumber, const std::string& name);

}  // namespace pw::messages
