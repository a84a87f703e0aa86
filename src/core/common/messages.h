#pragma once

#include <cstdint>
#include <string>

#include "core/assembly/layout.h"

namespace pw::messages {

// Every message a merge shows, worded in one place. `name` is a source's file name as
// the user chose it.

std::string noFileSelected(const LayoutShape& shape, int slot);
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

// Files the program writes: the map and its pictures. `reason` is the system's.
std::string unableToCreate(const std::string& path, const std::string& reason);
std::string unableToWrite(const std::string& path, const std::string& reason);
// Why an output is refused before anything is written.
std::string notARegularFile();
std::string sameFileAs(const std::string& other);

// Pictures of a map.
std::string tooLargeToDraw(const std::string& name, int cellSize);
std::string tooLargeForFormat(const char* format, long long width, long long height);
std::string notEnoughMemoryToDraw(const std::string& name);
std::string outOfMemory();
std::string cellTooLargeForPaper(double cellMm, const std::string& paper);
// The captions of a printed map: its overview sheet and each sheet after it.
std::string overviewCaption(const std::string& name, int length, int height, int sheets,
                            int across, int down, int overlap);
std::string sheetCaption(int row, int rows, int column, int columns, int firstColumn,
                         int lastColumn, int firstRow, int lastRow);
// The map just written cannot be read back to draw it.
std::string mapNotReadable();

}  // namespace pw::messages
