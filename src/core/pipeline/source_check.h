// SPDX-License-Identifier: GPL-3.0-or-later
// A source map read through as Save Map reads it, writing nothing.
#pragma once

#include <optional>
#include <string>

#include "core/common/problem.h"

namespace pw {

// Reads the map file at `path` through as Save Map reads a source (its version and size
// checks, every row and layer letter line, its labels) without writing anything: the
// first problem Save Map would report for it, such as "ERROR: file NAME ends early";
// none when it would join whole. `name` is the file's name as listed.
std::optional<Problem> checkSourceWhole(const std::string& path, const std::string& name);

}  // namespace pw
