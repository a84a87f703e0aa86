// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/standard_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/usage_texts.h"

namespace pw::cli {

bool printStandardOutput(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            std::cerr << UsageTexts::unableToWriteStandardOutput(
                             std::strerror(written < 0 ? errno : EIO))
                      << '\n';
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace pw::cli
