// The command line as the option parser reads it: what each accepted form asks for, and
// which forms are usage errors. Whole runs of the program are golden cases.

#include <gtest/gtest.h>

#include "cli/cli_options.h"

namespace {

using Arguments = std::vector<std::string>;

// "layout map-set direction output | name:mark ..." of a parsed merge, or what else it was.
std::string told(const pw::cli::ParsedCommand& parsed) {
    if (std::holds_alternative<pw::cli::HelpRequest>(parsed)) {
        return "help";
    }
    if (std::holds_alternative<pw::cli::UsageError>(parsed)) {
        return "usage error";
    }
    const auto& merge = std::get<pw::cli::MergeCommand>(parsed);
    std::string text = std::string(pw::layoutName(merge.request.layout)) + " " +
                       std::to_string(merge.request.mapSetIndex) + " " +
                       std::to_string(merge.request.direction) + " " + merge.outputPath + " |";
    for (const pw::SourceSlot& slot : merge.request.slots) {
        text += " " + slot.name + (slot.path == slot.name ? ":" : "?") + slot.mark;
    }
    return text;
}

TEST(CommandLine, AcceptedFormsAndWhatTheyAskFor) {
    const struct {
        Arguments arguments;
        std::string told;
    } cases[] = {
        {{"merge", "--layout", "top-to-bottom", "--output", "o.map", "AB-07L.map", "AB-08R.map"},
         "top-to-bottom 0 0 o.map | AB-07L.map:L AB-08R.map:R"},
        {{"merge", "--layout=end-to-end", "--direction=nw", "--map-set", "Emberline", "--output",
          "a.map", "./AB-07L.map", "/maps/X-01L/AB-08R.map", "X-01L/AB.map"},
         "end-to-end 1 7 a.map | ./AB-07L.map:L /maps/X-01L/AB-08R.map:R X-01L/AB.map: "},
        {{"merge", "--direction", "2", "--map-set=ironfall", "--layout", "composite", "--marks",
          "L-RL", "--output=b.map", "--", "--x.map", "AB-01R.map", "", "-"},
         "composite 0 2 b.map | --x.map:L AB-01R.map:  :R -:L"},
        {{"merge", "--layout", "top-to-bottom", "--direction", "SW", "--map-set", "EMBERLINE",
          "--output", "o", "A", "B", "C", "D"},
         "top-to-bottom 1 5 o | A:  B:  C:  D: "},
        {{"merge", "--output", "o", "--layout", "end-to-end", "--direction", "0", "--", "A", "B"},
         "end-to-end 0 0 o | A:  B: "},
        {{"merge", "--layout", "end-to-end", "--direction", "e", "--output", "o", "A", "B"},
         "end-to-end 0 2 o | A:  B: "},
        {{"--help"}, "help"},
        {{"-h"}, "help"},
        {{"help"}, "help"},
        {{"merge", "--output", "o.map", "--help"}, "help"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(told(pw::cli::parseCommandLine(test.arguments)), test.told)
            << test.arguments.back();
    }
}

TEST(CommandLine, UsageErrorsNameWhatIsWrong) {
    const Arguments merge = {"merge", "--layout", "top-to-bottom", "--output", "o.map"};
    const struct {
        Arguments arguments;
        const char* named;  // the word that the message must show
    } cases[] = {
        {{}, ""},
        {{"split"}, "split"},
        {{"merge", "--layout", "diagonal", "--output", "o.map", "a", "b"}, "diagonal"},
        {{"merge", "--output", "o.map", "a", "b"}, "layout"},
        {{"merge", "--layout"}, "layout"},
        {{"merge", "--layout", "top-to-bottom", "a", "b"}, "output"},
        {{"merge", "--layout", "top-to-bottom", "--output=", "a", "b"}, "output"},
        {{"merge", "--layout", "top-to-bottom", "--output", "o.map", "a"}, "1"},
        {{"merge", "--layout", "top-to-bottom", "--output", "o.map", "a", "b", "c", "d", "e"}, "5"},
        {{"merge", "--layout", "end-to-end", "--output", "o.map", "a", "b", "c", "d"}, "4"},
        {{"merge", "--layout", "composite", "--output", "o.map", "a", "b", "c", "d", "e"}, "5"},
        {{"merge", "--layout", "composite", "--output", "o.map", "a", "b"}, "2"},
        {{"merge", "--colour", "red", "--layout", "end-to-end", "--output", "o.map", "a", "b"},
         "colour"},
    };
    for (const auto& test : cases) {
        const auto parsed = pw::cli::parseCommandLine(test.arguments);
        const auto* error = std::get_if<pw::cli::UsageError>(&parsed);
        ASSERT_NE(error, nullptr) << told(parsed);
        EXPECT_NE(error->message.find(test.named), std::string::npos) << error->message;
    }
    const struct {
        const char* option;
        const char* value;
        int sources;
    } values[] = {
        {"--marks", "LR-", 2},       {"--marks", "Lx", 2},     {"--marks", "L", 2},
        {"--direction", "8", 2},     {"--direction", "-1", 3}, {"--direction", "NNE", 2},
        {"--map-set", "nowhere", 2}, {"--map-set", "irf", 4},
    };
    for (const auto& test : values) {
        Arguments arguments = merge;
        arguments.insert(arguments.end(), {test.option, test.value});
        for (int i = 0; i < test.sources; ++i) {
            arguments.push_back("S" + std::to_string(i));
        }
        EXPECT_EQ(told(pw::cli::parseCommandLine(arguments)), "usage error")
            << test.option << " " << test.value;
    }
}

}  // namespace
