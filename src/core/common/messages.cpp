#include "core/common/messages.h"

#include <QString>

namespace pw::messages {

std::string noFileSelected(const LayoutShape& shape, int slot) {
    // A layout that checks by rows names a slot by its row and column, counted from 0.
    if (shape.rules().checksByRow) {
        return "ERROR: no file selected for Map# " + std::to_string(shape.rowOf(slot)) + "," +
               std::to_string(shape.columnOf(slot));
    }
    return "ERROR: no file selected for Map# " + std::to_string(slot + 1);
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
    return "ERROR: file " + name + " invalid Map size; X = " + std::to_string(length) +
           " Y = " + std::to_string(height);
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

std::string unableToCreate(const std::string& path, const std::string& reason) {
    return "ERROR: unable to create file " + path + ": " + reason;
}

std::string unableToWrite(const std::string& path, const std::string& reason) {
    return "ERROR: unable to write file " + path + ": " + reason;
}

std::string notARegularFile() {
    return "Not a regular file";
}

std::string sameFileAs(const std::string& other) {
    return "same file as " + other;
}

std::string tooLargeToDraw(const std::string& name, int cellSize) {
    return "ERROR: file " + name + " is too large to draw at " + std::to_string(cellSize) +
           " pixels per cell";
}

std::string tooLargeForFormat(const char* format, long long width, long long height) {
    return std::string("the picture of ") + std::to_string(width) + " by " +
           std::to_string(height) + " pixels is larger than " + format + " allows";
}

std::string notEnoughMemoryToDraw(const std::string& name) {
    return "ERROR: not enough memory to draw file " + name;
}

std::string outOfMemory() {
    return "out of memory";
}

std::string cellTooLargeForPaper(double cellMm, const std::string& paper) {
    return "a cell of " + QString::number(cellMm).toStdString() + " mm is too large for " +
           paper + " paper";
}

std::string overviewCaption(const std::string& name, int length, int height, int sheets,
                            int across, int down, int overlap) {
    return name + ": " + std::to_string(length) + " by " + std::to_string(height) +
           " cells on " + std::to_string(sheets) + " sheets after this one, " +
           std::to_string(across) + " across and " + std::to_string(down) +
           " down (row,column); neighbours share " + std::to_string(overlap) + " cells";
}

std::string sheetCaption(int row, int rows, int column, int columns, int firstColumn,
                         int lastColumn, int firstRow, int lastRow) {
    return "Sheet " + std::to_string(row) + "," + std::to_string(column) + " (row " +
           std::to_string(row) + " of " + std::to_string(rows) + ", column " +
           std::to_string(column) + " of " + std::to_string(columns) + "): cells " +
           std::to_string(firstColumn) + " to " + std::to_string(lastColumn) + " across, " +
           std::to_string(firstRow) + " to " + std::to_string(lastRow) + " down";
}

std::string mapNotReadable() {
    return "the map just written cannot be read back";
}

}  // namespace pw::messages
