#include "core/mapfile/map_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/mapfile/map_set.h"

namespace pw {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsWithMapExtension(const std::string& name) {
    constexpr std::string_view kExtension = ".map";
    if (name.size() <= kExtension.size()) {
        return false;
    }
    const std::size_t start = name.size() - kExtension.size();
    for (std::size_t i = 0; i < kExtension.size(); ++i) {
        if (lower(name[start + i]) != kExtension[i]) {
            return false;
        }
    }
    return true;
}

// Case-insensitive order; names equal but for case keep a fixed byte order.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto byLowerByte = [](char x, char y) {
        return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byLowerByte)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byLowerByte)) {
        return false;
    }
    return a < b;
}

}  // namespace

std::string programFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    std::string folder = self.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
    return folder;
}

std::string mapSetFolderPath(const std::string& programFolder, int mapSetIndex) {
    return programFolder + MapSetFolderName(mapSetIndex);
}

std::string mapFilePath(const std::string& programFolder, int mapSetIndex,
                        const std::string& fileName) {
    return mapSetFolderPath(programFolder, mapSetIndex) + "/" + fileName;
}

std::optional<std::vector<std::string>> listMapFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        std::string name = entries->path().filename().string();
        std::error_code statError;
        if (endsWithMapExtension(name) && entries->is_regular_file(statError)) {
            names.push_back(std::move(name));
        }
    }
    if (error) {
        return std::nullopt;
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

}  // namespace pw
