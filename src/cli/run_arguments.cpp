// SPDX-License-Identifier: GPL-3.0-or-later
// run's options and setup files read.
#include "cli/run_arguments.h"

#include <algorithm>

#include "cli/argument_bytes.h"
#include "cli/command_parser.h"
#include "cli/usage_texts.h"
#include "core/common/translated_text.h"

namespace pw::cli {

ParsedCommand parseRun(const std::vector<std::string>& arguments) {
    CommandParser p(
        "run", UsageTexts::tr(
                   "Joins the map of each setup file in turn (and draws its picture, if the "
                   "setup names one), printing one line per setup. A setup that fails does not "
                   "stop the others. Paths in a setup are read from the setup's folder; a setup "
                   "that names no output map writes NAME.map beside NAME.pwsetup. A setup writes "
                   "only a map (.map) and a picture (.png or .pdf), only inside its own folder, "
                   "and no setup of a run writes what another one "
                   "writes or reads; the run is checked as a whole before anything is written."));
    p.optionsEndAtFirstArgument();
    const QCommandLineOption dryRunOption =
        p.flag("dry-run",
               UsageTexts::tr(
                   "Runs every check of every setup, names the files each would write, and writes "
                   "nothing."));
    const QCommandLineOption allowOutsideOption = p.flag(
        "allow-outside",
        UsageTexts::tr(
            "Lets a setup write its map and picture outside its own folder. Without it, such "
            "a setup is refused: a setup from someone else must not write where it likes."));
    p.argument(
        UsageTexts::tr("SETUP"),
        UsageTexts::tr("Setup files (.pwsetup), as the dialogs' Save Setup and "
                       "'merge --save-setup' write them. Options go first: every argument after "
                       "the first SETUP is a SETUP."),
        UsageTexts::tr("SETUP..."));
    p.epilogue('\n' +
               filled(UsageTexts::tr(
                   "Exit status: 0 every setup succeeded, 1 any failed, 2 usage error.")) +
               '\n');
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    RunCommand command;
    command.dryRun = p.isSet(dryRunOption);
    command.allowOutside = p.isSet(allowOutsideOption);
    for (const QString& setup : p.positional()) {
        command.setups.push_back(ArgumentBytes::fromText(setup));
    }
    if (command.setups.empty() ||
        std::find(command.setups.begin(), command.setups.end(), "") != command.setups.end()) {
        return UsageError{UsageTexts::runTakesSetups()};
    }
    return command;
}

}  // namespace pw::cli
