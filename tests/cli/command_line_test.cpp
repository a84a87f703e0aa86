// The command line as the option parser reads it (command_lines.tsv): what each accepted
// form asks for, and that each wrong form is a usage error naming what is wrong. Whole runs
// of the program are golden cases.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_options.h"
#include "test_support.h"

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
            text += " " + slot.name + (slot.path == slot.name ? ":" : "?") +
                    (slot.mark == ' ' ? '_' : slot.mark);
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
    const auto cases = pw::test::readTable(PANELWRIGHT_TEST_DATA "/command_lines.tsv");
    ASSERT_FALSE(cases.empty());
    for (const auto& test : cases) {
        const std::string got = told(pw::cli::parseCommandLine(words(test.at(0))));
        const std::string& wanted = test.at(1);
        if (wanted.starts_with("error:")) {
            EXPECT_TRUE(got.starts_with("error: ") &&
                        got.find(wanted.substr(std::min<std::size_t>(7, wanted.size())), 7) !=
                            got.npos)
                << test[0] << " gave " << got;
        } else {
            EXPECT_EQ(got, wanted) << test[0];
        }
    }
}

}  // namespace
