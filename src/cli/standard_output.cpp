// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/standard_output.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/usage_texts.h"
#include "core/system/file_system.h"

namespace pw::cli {

bool printStandardOutput(std::string_view text) {
    if (!writeAll(standardOutput(), text.data(), text.size(), EIO)) {
        std::cerr << UsageTexts::unableToWriteStandardOutput(std::strerror(errno)) << '\n';
        return false;
    }
    return true;
}

}  // namespace pw::cli
