// SPDX-License-Identifier: GPL-3.0-or-later
// merge's options read, with the picture's and the setup's.
#include "cli/merge_arguments.h"

#include <algorithm>

#include "cli/argument_bytes.h"
#include "cli/command_parser.h"
#include "cli/composition_options.h"
#include "cli/picture_option_set.h"
#include "cli/usage_texts.h"
#include "core/system/file_place.h"

namespace pw::cli {
namespace {

// Whether `path` names the output, the picture or one of the sources, as files: links and
// hard links followed.
bool namesAnyOf(const std::string& path, const std::string& output,
                const std::optional<std::string>& image, const std::vector<std::string>& sources) {
    std::vector<std::string> others = sources;
    others.push_back(output);
    others.push_back(image.value_or(""));
    return std::any_of(others.begin(), others.end(),
                       [&](const std::string& other) { return isSameFile(path, other); });
}

}  // namespace

ParsedCommand parseMerge(const std::vector<std::string>& arguments) {
    CommandParser p(
        "merge", UsageTexts::tr("Joins 2 to 8 map panels of one map set into one new map file."));
    p.optionsEndAtFirstArgument();
    const CompositionOptions composition(p);
    const QCommandLineOption outputOption =
        p.value("output", UsageTexts::tr("OUT"), UsageTexts::tr("The new map file."));
    const QCommandLineOption imageOption = p.value(
        "image", UsageTexts::tr("IMAGE"),
        UsageTexts::tr("Also draws the joined map into IMAGE (PNG, or PDF for a name ending in "
                       ".pdf), with its labels, the seams between the panels and the fix-up "
                       "highlight, in the colours of the legend.txt beside the first SOURCE. The "
                       "picture is drawn from the map as written, and the map and the picture are "
                       "saved together or not at all. IMAGE may not be OUT, a SOURCE, or anything "
                       "but a regular file."));
    p.flag("labels", UsageTexts::tr(
                         "'--labels all' draws every label's text on IMAGE; without it a text that "
                         "would overlap an earlier one is left out and only its dot shows."));
    p.flagTakesWord("labels", "all");
    const QCommandLineOption noLabelsOption =
        p.flag("no-labels", UsageTexts::tr("IMAGE: leaves the map's labels out."));
    const QCommandLineOption noFixUpsOption = p.flag(
        "no-fix-ups",
        UsageTexts::tr(
            "IMAGE: leaves out the highlight (a magenta tint and frame) on the cells of layer "
            "b that the junction fix-up changed where L and R marked panels meet."));
    const QCommandLineOption seamMarksOption = p.flag(
        "seam-marks",
        UsageTexts::tr("IMAGE: marks the edge cells of features that do not meet across a seam, "
                       "as 'check' finds them with the legend.txt beside the first SOURCE, in a "
                       "colour that stands out from every colour of that legend."));
    const PictureOptionSet pictureOptions(p);
    const QCommandLineOption setupOption = p.value(
        "save-setup", UsageTexts::tr("SETUP"),
        UsageTexts::tr("Also writes this command line's composition into the setup file SETUP "
                       "(before the merge, whatever its outcome), for 'run' or the dialogs."));
    composition.sourcesArgument(p);
    p.epilogue(UsageTexts::exitStatus());
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    const std::vector<std::string> sources = composition.sources(p);
    const std::variant<Layout, UsageError> layout = composition.layout(p, sources);
    if (const auto* error = std::get_if<UsageError>(&layout)) {
        return *error;
    }
    const std::optional<QString> output = p.valueOf(outputOption);
    if (!output || output->isEmpty()) {
        return UsageError{UsageTexts::missingOutput()};
    }

    MergeCommand command;
    command.request.layout = std::get<Layout>(layout);
    command.outputPath = ArgumentBytes::fromText(*output);
    command.picture.labels = p.isSet(noLabelsOption) ? LabelMode::None
                             : p.wordGiven()         ? LabelMode::All
                                                     : LabelMode::Placed;
    command.picture.fixUps = !p.isSet(noFixUpsOption);
    command.picture.seamMarks = p.isSet(seamMarksOption);
    if (const std::optional<QString> image = p.valueOf(imageOption)) {
        command.imagePath = ArgumentBytes::fromText(*image);
        if (std::optional<UsageError> error =
                pictureOptions.read(p, *command.imagePath, command.picture)) {
            return *error;
        }
    } else if (pictureOptions.anySet(p) || p.isSet(noLabelsOption) || p.isSet(noFixUpsOption) ||
               p.isSet(seamMarksOption)) {
        return UsageError{UsageTexts::pictureOptionsNeedImage()};
    }
    if (const std::optional<QString> setup = p.valueOf(setupOption)) {
        command.setupPath = ArgumentBytes::fromText(*setup);
        if (setup->isEmpty() ||
            namesAnyOf(*command.setupPath, command.outputPath, command.imagePath, sources)) {
            return UsageError{UsageTexts::saveSetupNamesOther()};
        }
    }
    if (std::optional<UsageError> error = composition.read(p, sources, command.request)) {
        return *error;
    }
    return command;
}

}  // namespace pw::cli
