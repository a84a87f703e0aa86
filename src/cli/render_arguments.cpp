// SPDX-License-Identifier: GPL-3.0-or-later
// render's options and its map read.
#include "cli/render_arguments.h"

#include "cli/argument_bytes.h"
#include "cli/command_parser.h"
#include "cli/picture_option_set.h"
#include "cli/usage_texts.h"

namespace pw::cli {

ParsedCommand parseRender(const std::vector<std::string>& arguments) {
    CommandParser p(
        "render",
        UsageTexts::tr("Draws a map file into a PNG picture, or a PDF to print: one square per "
                       "cell of the first grid, the second grid or a layer drawn over the faded "
                       "first grid, in the colours of the legend.txt beside the map, if any."));
    const QCommandLineOption labelsOption =
        p.flag("labels",
               UsageTexts::tr(
                   "Draws the map's labels; a text that would overlap an earlier one is left out "
                   "and only its dot shows. '--labels all' draws every text."));
    const QCommandLineOption seamsOption =
        p.flag("seams", UsageTexts::tr("Draws lines between the panels of --panel cells."));
    const QCommandLineOption panelOption =
        p.value("panel", UsageTexts::tr("LENGTHxHEIGHT"),
                UsageTexts::tr("The size in cells of the joined panels, e.g. 32x20."));
    const PictureOptionSet pictureOptions(p);
    const QCommandLineOption outputOption = p.value(
        "output", UsageTexts::tr("OUT"),
        UsageTexts::tr("The picture to write (PNG, or PDF for a name ending in .pdf); not MAP, nor "
                       "anything but a regular file."));
    p.flagTakesWord("labels", "all");
    p.argument(UsageTexts::tr("MAP"), UsageTexts::tr("The map file to draw."),
               UsageTexts::tr("MAP"));
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    const QStringList maps = p.positional();
    if (maps.size() != 1) {
        return UsageError{UsageTexts::renderTakesOneMap(maps.size())};
    }
    const std::optional<QString> output = p.valueOf(outputOption);
    if (!output || output->isEmpty()) {
        return UsageError{UsageTexts::missingOutput()};
    }
    RenderCommand command;
    command.mapPath = ArgumentBytes::fromText(maps.front());
    command.outputPath = ArgumentBytes::fromText(*output);
    command.picture.labels = p.wordGiven()           ? LabelMode::All
                             : p.isSet(labelsOption) ? LabelMode::Placed
                                                     : LabelMode::None;
    command.picture.seams = p.isSet(seamsOption);
    if (std::optional<UsageError> error =
            pictureOptions.read(p, command.outputPath, command.picture)) {
        return *error;
    }
    if (std::optional<UsageError> error = PictureOptionSet::readValued(
            p, {{&panelOption, PictureOption::Panel}}, command.picture)) {
        return *error;
    }
    return command;
}

}  // namespace pw::cli
