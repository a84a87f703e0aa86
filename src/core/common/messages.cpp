#include "core/common/messages.h"

namespace pw::messages {
namespace {

// A cell as the user sees it: the byte as a Latin-1 character, quoted, in UTF-8.
std::string quotedCell(char cell) {
    const auto code = static_cast<unsigned char>(cell);
    std::string text = "'";
    if (code < 0x80) {
        text += cell;
    } else {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text + "'";
}

}  // namespace

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

std::string countNotTaken(std::string_view layout, const std::vector<int>& counts, int count) {
    return "ERROR: " + std::string(layout) + " takes " + countChoices(counts) + " sources, not " +
           std::to_string(count);
}

std::string countChoices(const std::vector<int>& counts) {
    // Three or more counts in a row read as a range.
    if (counts.size() > 2 && counts.back() - counts.front() + 1 == std::ssize(counts)) {
        return std::to_string(counts.front()) + " to " + std::to_string(counts.back());
    }
    std::string text;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == counts.size() ? " or " : ", ") + std::to_string(counts[i]);
    }
    return text;
}

std::string unableToCreate(const std::string& path, const std::string& reason) {
    return "ERROR: unable to create file " + path + ": " + reason;
}

std::string unableToWrite(const std::string& path, const std::string& reason) {
    return "ERROR: unable to write file " + path + ": " + reason;
}

std::string folderMissing(const std::string& folder) {
    return "The folder " + folder + " does not exist.";
}

std::string unableToWriteImage(const std::string& path, const std::string& reason) {
    return "ERROR: unable to write image " + path + ": " + reason;
}

std::string tooLargeToDraw(const std::string& name, int cellSize) {
    return "ERROR: file " + name + " is too large to draw at " + std::to_string(cellSize) +
           " pixels per cell";
}

std::string notEnoughMemoryToDraw(const std::string& name) {
    return "ERROR: not enough memory to draw file " + name;
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

std::string cellDescription(int column, int row, char first, char second,
                            const std::string& layerLetters, const std::string& layerCells) {
    std::string text = "Column " + std::to_string(column) + ", row " + std::to_string(row) +
                       ": first grid " + quotedCell(first) + ", second grid " + quotedCell(second);
    for (std::size_t i = 0; i < layerLetters.size() && i < layerCells.size(); ++i) {
        text += ", " + std::string(1, layerLetters[i]) + " " + quotedCell(layerCells[i]);
    }
    return text;
}

std::string cellSlot(int slotNumber, const std::string& name) {
    const std::string slot = "; slot " + std::to_string(slotNumber);
    return name.empty() ? slot + ", nothing chosen" : slot + ": " + name;
}

}  // namespace pw::messages
