#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pw {

// The folder of the running program, ending with its separator ("/opt/panelwright/").
std::string programFolder();

// The folder of one map set below the program folder: "<program folder>/Irfmaps".
std::string mapSetFolderPath(const std::string& programFolder, int mapSetIndex);

// The full path of a chosen map file: "<program folder>/<map-set folder>/<name>".
std::string mapFilePath(const std::string& programFolder, int mapSetIndex,
                        const std::string& fileName);

// The plain names of the regular files in `folder` whose names end in ".map" in any
// letter case, sorted case-insensitively; nullopt when the folder cannot be searched.
std::optional<std::vector<std::string>> listMapFiles(const std::string& folder);

}  // namespace pw
