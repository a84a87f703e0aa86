// The command line as the option parser reads it: what each accepted form asks for, and
// that each wrong form is a usage error naming what is wrong. Whole runs are golden cases.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_options.h"

namespace {

// What a parse asks for: "error: " and the message, "help", "version", "list MAPSET",
// "render MAP OUT show labels seams scale", or "LAYOUT MAPSET DIRECTION OUT IMAGE | name:mark..."
std::string told(const pw::cli::ParsedCommand& parsed) {
    using namespace pw::cli;
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return "error: " + error->message;
    }
    if (const auto* list = std::get_if<ListCommand>(&parsed)) {
        return "list " + std::to_string(list->mapSetIndex);
    }
    if (const auto* render = std::get_if<RenderCommand>(&parsed)) {
        const PictureOptions& picture = render->picture;
        return "render " + render->mapPath + " " + render->outputPath + " " + picture.show + " " +
               std::to_string(picture.labels) + std::to_string(picture.seams) + " " +
               std::to_string(picture.scale);
    }
    if (const auto* merge = std::get_if<MergeCommand>(&parsed)) {
        std::string text = std::string(pw::layoutName(merge->request.layout)) + " " +
                           std::to_string(merge->request.mapSetIndex) + " " +
                           std::to_string(merge->request.direction) + " " + merge->outputPath +
                           " " + merge->imagePath.value_or("-") + " |";
        for (const pw::SourceSlot& slot : merge->request.slots) {
            text += " " + slot.name + (slot.path == slot.name ? ":" : "?") + slot.mark;
        }
        return text;
    }
    return std::holds_alternative<HelpRequest>(parsed) ? "help" : "version";
}

// The words of `line`: '' is an empty argument, @ stands for a whole Top-to-Bottom merge
// but for its sources.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> arguments;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        if (word == "@") {
            arguments.insert(arguments.end(),
                             {"merge", "--layout", "top-to-bottom", "--output", "o"});
        } else {
            arguments.push_back(word == "''" ? "" : word);
        }
    }
    return arguments;
}

TEST(CommandLine, EveryFormAsTheParserReadsIt) {
    const struct {
        const char* arguments;
        std::string told;  // for an error: a word that its message must show
    } cases[] = {
        // clang-format off
        {"merge --layout top-to-bottom --output o.map AB-07L.map AB-08R.map",
         "top-to-bottom 0 0 o.map - | AB-07L.map:L AB-08R.map:R"},
        {"merge --layout=end-to-end --direction=nw --map-set Emberline --output a.map --image i.png "
         "./AB-07L.map /maps/X-01L/AB-08R.map X-01L/AB.map",
         "end-to-end 1 7 a.map i.png | ./AB-07L.map:L /maps/X-01L/AB-08R.map:R X-01L/AB.map: "},
        {"merge --direction 2 --map-set=ironfall --layout composite --marks L-RL --output=b.map "
         "-- --x.map AB-01R.map '' -", "composite 0 2 b.map - | --x.map:L AB-01R.map:  :R -:L"},
        {"@ --direction SW --map-set EMBERLINE A B C D", "top-to-bottom 1 5 o - | A:  B:  C:  D: "},
        {"@ --direction 0 A B", "top-to-bottom 0 0 o - | A:  B: "},
        {"@ --direction e A B", "top-to-bottom 0 2 o - | A:  B: "},
        {"--help", "help"}, {"-h", "help"}, {"help", "help"}, {"@ --help", "help"},
        {"--version", "version"}, {"list", "list 0"}, {"list --map-set emberline", "list 1"},
        {"list --help", "help"}, {"render --output o.png m.map", "render m.map o.png first 00 4"},
        {"render m.map --show second --labels --output o.png --scale 64",
         "render m.map o.png second 10 64"},
        {"render --seams --show w --scale 1 --output o.png m.map", "render m.map o.png w 01 1"},
        {"render --show a --help", "help"},
        {"", "error: "}, {"split", "error: split"}, {"--Version", "error: --Version"},
        {"merge --layout diagonal --output o a b", "error: diagonal"},
        {"merge --output o.map a b", "error: layout"}, {"merge --layout", "error: layout"},
        {"merge --layout end-to-end a b", "error: output"},
        {"merge --layout end-to-end --output= a b", "error: output"},
        {"@ a", "error: 1"}, {"@ a b c d e", "error: 5"},
        {"merge --layout end-to-end --output o a b c d", "error: 2 or 3 sources, not 4"},
        {"merge --layout composite --output o a b c d e", "error: 4, 6 or 8 sources, not 5"},
        {"merge --layout top-to-bottom --output o a", "error: 2 to 4 sources, not 1"},
        {"@ --colour red a b", "error: colour"}, {"@ --marks LR- a b", "error: "},
        {"@ --marks Lx a b", "error: "}, {"@ --marks L a b", "error: "},
        {"@ --direction 8 a b", "error: 8"}, {"@ --direction -1 a b", "error: -1"},
        {"@ --direction NNE a b", "error: NNE"}, {"@ --direction 07 a b", "error: 07"},
        {"@ --map-set nowhere a b", "error: ironfall or emberline"},
        {"@ --map-set irf a b c", "error: irf"}, {"list extra", "error: no arguments"},
        {"list --map-set x", "error: ironfall or emberline"}, {"list --scale 2", "error: scale"},
        {"render --output o.png", "error: not 0"}, {"render --output o.png a b", "error: not 2"},
        {"render m.map", "error: output"}, {"render --output= m.map", "error: output"},
        {"render --show third --output o m", "error: third"},
        {"render --show x --output o m", "error: 'x'"}, {"render --show ab --output o m", "error: ab"},
        {"render --scale 0 --output o m", "error: scale"}, {"render --scale 65 --output o m", "error: scale"},
        {"render --scale 2x --output o m", "error: scale"},
        // clang-format on
    };
    for (const auto& test : cases) {
        const std::string got = told(pw::cli::parseCommandLine(words(test.arguments)));
        if (test.told.starts_with("error: ")) {
            EXPECT_TRUE(got.starts_with("error: ") && got.find(test.told.substr(7), 7) != got.npos)
                << test.arguments << " gave " << got;
        } else {
            EXPECT_EQ(got, test.told) << test.arguments;
        }
    }
}

}  // namespace
