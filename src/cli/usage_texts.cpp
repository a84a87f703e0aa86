// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's texts, translated and filled byte for byte.
#include "cli/usage_texts.h"

#include "cli/parsed_command.h"
#include "core/assembly/layout_choices.h"
#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/common/translated_text.h"
#include "core/mapfile/keyword_choices.h"

namespace pw::cli {

std::string UsageTexts::missingCommand() {
    return filled(tr("missing command; try '%1 --help'"), {kProgramName});
}

std::string UsageTexts::unknownCommand(const std::string& command) {
    return filled(tr("unknown command '%1'; try '%2 --help'"), {command, kProgramName});
}

std::string UsageTexts::missingLayout() {
    //: The layouts' names follow, which stay as they are.
    return filled(tr("missing --layout (%1)"), {messages::layoutChoices()});
}

std::string UsageTexts::unknownLayout(const std::string& text) {
    return filled(tr("unknown layout '%1' (%2)"), {text, messages::layoutChoices()});
}

std::string UsageTexts::unknownMapSet(const std::string& text) {
    return filled(tr("unknown map set '%1' (%2)"), {text, messages::mapSetChoices()});
}

std::string UsageTexts::unknownDirection(const std::string& text) {
    return filled(tr("unknown direction '%1' (%2)"), {text, messages::directionChoices()});
}

std::string UsageTexts::marksCount(std::size_t sources, qsizetype marks) {
    return filled(tr("--marks needs one mark per source (%1), not %2"),
                  {std::to_string(sources), std::to_string(marks)});
}

std::string UsageTexts::marksLetters() {
    //: L, R and - are what --marks reads, and stay as they are.
    return filled(tr("--marks takes only L, R and -"));
}

std::string UsageTexts::compositionNeedsLayout() {
    return filled(tr("--map-set, --direction and --marks need --layout"));
}

std::string UsageTexts::missingOutput() {
    return filled(tr("missing --output"));
}

std::string UsageTexts::pictureOptionsNeedImage() {
    return filled(tr("picture options need --image"));
}

std::string UsageTexts::saveSetupNamesOther() {
    //: OUT, IMAGE and SOURCE name the arguments as --help names them.
    return filled(tr("--save-setup must name a file other than OUT, IMAGE and the SOURCEs"));
}

std::string UsageTexts::listTakesNoArguments() {
    return filled(tr("list takes no arguments"));
}

std::string UsageTexts::renderTakesOneMap(qsizetype count) {
    return filled(tr("render takes one map file, not %1"), {std::to_string(count)});
}

std::string UsageTexts::runTakesSetups() {
    return filled(tr("run takes one or more setup files"));
}

std::string UsageTexts::checkTakesSources() {
    return filled(tr("check takes --layout and the SOURCEs, or one or more setup files"));
}

std::string UsageTexts::exitStatus() {
    return '\n' +
           filled(tr("Exit status: 0 done, 1 a check, a source or the output failed (nothing is "
                     "written\nthen, an existing OUT or IMAGE stays as it was), 2 usage error.")) +
           '\n';
}

std::string UsageTexts::runSucceeded(const std::string& file) {
    // The success message as merge prints it, translated where the core keeps it.
    return filled(tr("%1: %2"), {escapedName(file), messages::translated(messages::kMapCreated)});
}

std::string UsageTexts::runChecked(const std::string& file, const std::string& map,
                                   const std::optional<std::string>& picture) {
    if (!picture) {
        return filled(tr("%1: checks passed, nothing written (dry run); would write %2"),
                      {escapedName(file), escapedName(map)});
    }
    return filled(tr("%1: checks passed, nothing written (dry run); would write %2 and %3"),
                  {escapedName(file), escapedName(map), escapedName(*picture)});
}

std::string UsageTexts::runFailed(const std::string& file) {
    return filled(tr("%1: failed"), {escapedName(file)});
}

std::string UsageTexts::badPictureOption(const std::string& reason) {
    //: "picture" is the setup file's key that holds the picture's options.
    return filled(tr("picture: %1"), {reason});
}

std::string UsageTexts::sameFileAs(const std::string& other) {
    return filled(tr("same file as %1"), {other});
}

std::string UsageTexts::unableToWriteStandardOutput(const std::string& reason) {
    return filled(tr("ERROR: unable to write standard output: %1"), {reason});
}

std::string UsageTexts::warning(const std::string& note) {
    return filled(tr("WARNING: %1"), {note});
}

}  // namespace pw::cli
