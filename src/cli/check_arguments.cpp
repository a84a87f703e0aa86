// SPDX-License-Identifier: GPL-3.0-or-later
// check's options read: a composition of the command line, or setup files.
#include "cli/check_arguments.h"

#include <algorithm>

#include "cli/command_parser.h"
#include "cli/composition_options.h"
#include "cli/usage_texts.h"
#include "core/common/translated_text.h"

namespace pw::cli {

ParsedCommand parseCheck(const std::vector<std::string>& arguments) {
    //: mismatch, summary, setup, column, row, below, above, right and left are words of
    //: the output, and stay as they are.
    CommandParser p(
        "check",
        UsageTexts::tr(
            "Tells where the panels of a composition do not meet: at every seam between two "
            "joined panels, each edge cell of the first grid whose character the legend.txt "
            "beside the first SOURCE marks as continuing across panel edges (a + right after "
            "its colour) must face a cell of the same character across the seam, at the same "
            "place or one cell to either side. Every panel is read whole, as merge reads it; a "
            "damaged panel is reported as merge reports it, and the seams of the others are "
            "still compared. Nothing is written.\n\n"
            "Output, one line per cell that does not meet, tab-separated:\n"
            "  mismatch SLOT NAME SIDE SLOT2 NAME2 column|row PLACE CELL CELL2\n"
            "the panel of the cell (slot as merge's messages name it, and its name), where the "
            "panel across the seam lies (below, above, right or left), that panel, the column "
            "(across a seam between rows) or row (across a seam between columns) counted from 1 "
            "within the panels, then the cell and the cell directly across, each its character, "
            "a space and its legend meaning. Then one summary line:\n"
            "  summary SEAMS MISMATCHES FAILED TEXT\n"
            "the seams compared, the cells that do not meet, the slots that cannot be joined (a "
            "damaged panel, an empty slot), and a sentence saying the same (or why nothing was "
            "compared, which is no pass). Names and meanings are escaped as list escapes them.\n\n"
            "Without --layout, the arguments are setup files (SETUP...) and each setup's "
            "composition is checked in turn, its lines after a line \"setup SETUP\"."));
    p.optionsEndAtFirstArgument();
    const CompositionOptions composition(p);
    CompositionOptions::sourcesArgument(p);
    p.epilogue(
        '\n' +
        filled(UsageTexts::tr(
            "Exit status: 0 every panel is sound and every seam meets, 1 a slot cannot be joined, "
            "a seam does not meet or nothing was compared (no legend, or one that marks no "
            "feature), 2 usage error.")) +
        '\n');
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    const std::vector<std::string> sources = CompositionOptions::sources(p);
    CheckCommand command;
    if (!composition.layoutGiven(p)) {
        if (composition.anyGiven(p)) {
            return UsageError{UsageTexts::compositionNeedsLayout()};
        }
        if (sources.empty() || std::find(sources.begin(), sources.end(), "") != sources.end()) {
            return UsageError{UsageTexts::checkTakesSources()};
        }
        command.setups = sources;
        return command;
    }
    const std::variant<Layout, UsageError> layout = composition.layout(p, sources);
    if (const auto* error = std::get_if<UsageError>(&layout)) {
        return *error;
    }
    command.request.emplace();
    command.request->layout = std::get<Layout>(layout);
    if (std::optional<UsageError> error = composition.read(p, sources, *command.request)) {
        return *error;
    }
    return command;
}

}  // namespace pw::cli
