#include "cli/cli_options.h"

#include <array>
#include <optional>

#include "core/mapfile/map_file_name.h"

namespace pw::cli {

const char* const kUsage =
    "usage: panelwright-cli merge --layout top-to-bottom|end-to-end|composite\n"
    "                             [--map-set ironfall|emberline]          (default ironfall)\n"
    "                             [--direction N|NE|E|SE|S|SW|W|NW|0..7]  (default N)\n"
    "                             [--marks MARKS]\n"
    "                             --output OUT  SOURCE...\n"
    "\n"
    "Joins 2 to 8 map panels of one map set into one new map file.\n"
    "  SOURCEs in slot order: top-to-bottom top first (2 to 4), end-to-end left first\n"
    "  (2 or 3), composite row by row, left before right (4, 6 or 8). An empty SOURCE\n"
    "  (\"\") is a slot with nothing chosen.\n"
    "  --marks gives one L/R mark per source (L, R or - for none), e.g. --marks L-R-;\n"
    "  without it the marks come from the file names, as in the dialogs.\n"
    "Exit status: 0 written, 1 a check or the output failed, 2 usage error.\n";

namespace {

constexpr std::array<const char*, 8> kDirections = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::optional<int> parseDirection(const std::string& text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '7') {
        return text[0] - '0';
    }
    const std::string wanted = upper(text);
    for (std::size_t i = 0; i < kDirections.size(); ++i) {
        if (wanted == kDirections[i]) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> parseMapSet(const std::string& text) {
    const std::string wanted = upper(text);
    if (wanted == "IRONFALL") {
        return 0;
    }
    if (wanted == "EMBERLINE") {
        return 1;
    }
    return std::nullopt;
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return UsageError{"missing command; try 'panelwright-cli --help'"};
    }
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
        return HelpRequest{};
    }
    if (arguments[0] != "merge") {
        return UsageError{"unknown command '" + arguments[0] + "'; try 'panelwright-cli --help'"};
    }

    std::optional<std::string> layoutText, mapSetText, directionText, marks, output;
    std::vector<std::string> sources;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            sources.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help") {
            return HelpRequest{};
        }
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        std::optional<std::string>* slot = nullptr;
        if (name == "--layout") {
            slot = &layoutText;
        } else if (name == "--map-set") {
            slot = &mapSetText;
        } else if (name == "--direction") {
            slot = &directionText;
        } else if (name == "--marks") {
            slot = &marks;
        } else if (name == "--output") {
            slot = &output;
        } else {
            return UsageError{"unknown option '" + name + "'"};
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                return UsageError{"option '" + name + "' needs a value"};
            }
            value = arguments[++i];
        }
        *slot = std::move(value);
    }

    if (!layoutText) {
        return UsageError{"missing --layout (top-to-bottom, end-to-end or composite)"};
    }
    const std::optional<Layout> layout = layoutFromName(*layoutText);
    if (!layout) {
        return UsageError{"unknown layout '" + *layoutText +
                          "' (top-to-bottom, end-to-end or composite)"};
    }
    if (!shapeFor(*layout, static_cast<int>(sources.size()))) {
        const char* counts = *layout == Layout::TopToBottom ? "2 to 4"
                             : *layout == Layout::EndToEnd  ? "2 or 3"
                                                            : "4, 6 or 8";
        return UsageError{std::string(layoutName(*layout)) + " takes " + counts + " sources, not " +
                          std::to_string(sources.size())};
    }
    if (!output || output->empty()) {
        return UsageError{"missing --output"};
    }

    MergeCommand command;
    command.request.layout = *layout;
    command.outputPath = *output;
    if (mapSetText) {
        const std::optional<int> mapSet = parseMapSet(*mapSetText);
        if (!mapSet) {
            return UsageError{"unknown map set '" + *mapSetText + "' (ironfall or emberline)"};
        }
        command.request.mapSetIndex = *mapSet;
    }
    if (directionText) {
        const std::optional<int> direction = parseDirection(*directionText);
        if (!direction) {
            return UsageError{"unknown direction '" + *directionText +
                              "' (N, NE, E, SE, S, SW, W, NW or 0 to 7)"};
        }
        command.request.direction = *direction;
    }
    if (marks) {
        if (marks->size() != sources.size()) {
            return UsageError{"--marks needs one mark per source (" +
                              std::to_string(sources.size()) + "), not " +
                              std::to_string(marks->size())};
        }
        for (char mark : *marks) {
            if (mark != 'L' && mark != 'R' && mark != '-') {
                return UsageError{"--marks takes only L, R and -"};
            }
        }
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        SourceSlot slot;
        slot.name = sources[i];
        slot.path = sources[i];
        if (marks) {
            slot.mark = (*marks)[i] == '-' ? ' ' : (*marks)[i];
        } else if (!sources[i].empty()) {
            slot.mark = ParseMapFileName(baseName(sources[i])).mark;
        }
        command.request.slots.push_back(std::move(slot));
    }
    return command;
}

}  // namespace pw::cli
