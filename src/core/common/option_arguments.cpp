// SPDX-License-Identifier: GPL-3.0-or-later
// Options told from files: an option-like argument that names a file is refused.
#include "core/common/option_arguments.h"

#include <filesystem>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"

namespace pw {

bool looksLikeOption(std::string_view argument) {
    return argument.size() >= 2 && argument.front() == '-';
}

std::optional<std::string> fileNamedLikeOption(const std::string& argument) {
    std::error_code failed;
    if (!std::filesystem::exists(std::filesystem::symlink_status(argument, failed))) {
        return std::nullopt;
    }
    return messages::fileNamedLikeOption(escapedName(argument));
}

}  // namespace pw
