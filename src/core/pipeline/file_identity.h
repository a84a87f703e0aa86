// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace pw {

// True when the two paths name one file: the same file on disk when both exist (links
// followed, hard links included), else the same place once the folders' links are
// followed. An output must never be one of the files a command reads or writes besides.
bool isSameFile(const std::string& first, const std::string& second);

}  // namespace pw
