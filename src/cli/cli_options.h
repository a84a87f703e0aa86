#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/composer/merge_request.h"

namespace pw::cli {

struct HelpRequest {};

struct UsageError {
    std::string message;
};

struct MergeCommand {
    MergeRequest request;  // slots hold the SOURCE arguments as given, marks resolved
    std::string outputPath;
};

using ParsedCommand = std::variant<HelpRequest, UsageError, MergeCommand>;

// Reads the command line (without the program name).
ParsedCommand parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace pw::cli
