// SPDX-License-Identifier: GPL-3.0-or-later
// The rule both programs read their command lines by: no file's name becomes an option.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// Options go first: each program reads its options up to "--" or up to its first other
// argument, and takes everything after that as it is. These say which arguments among
// the options are read as one, and refuse the one that is a file's name instead.

// An argument read as an option where options are read: a '-' and more.
bool looksLikeOption(std::string_view argument);

// The usage error for `argument`, read as an option, when it is the name of a file (or of
// a link, dangling or not) here, as `*` in a folder holding "--output" or
// "-stylesheet=x.map" gives it; nullopt when it names nothing.
std::optional<std::string> fileNamedLikeOption(const std::string& argument);

}  // namespace pw
