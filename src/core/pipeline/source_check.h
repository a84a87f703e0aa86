#pragma once

#include <string>

namespace pw {

// Reads the map file at `path` through as Save Map reads a source (its version and size
// checks, every row and layer letter line, its labels) without writing anything: the
// first problem Save Map would report for it, such as "ERROR: file NAME ends early";
// empty when it would join whole. `name` is the file's name as listed.
std::string checkSourceWhole(const std::string& path, const std::string& name);

}  // namespace pw
