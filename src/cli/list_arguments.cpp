// SPDX-License-Identifier: GPL-3.0-or-later
// list's options read.
#include "cli/list_arguments.h"

#include "cli/command_parser.h"
#include "cli/usage_texts.h"
#include "core/mapfile/map_set.h"

namespace pw::cli {

ParsedCommand parseList(const std::vector<std::string>& arguments) {
    //: The escapes with a backslash stay as they are.
    CommandParser p(
        "list",
        UsageTexts::tr("Prints the map files the dialogs offer for a map set, one per line, "
                       "tab-separated: name, L/R mark (- for none), number label, size "
                       "LENGTHxHEIGHT or why the file cannot be used, and the folder it was found "
                       "in. In names, labels and folders a backslash, tab, line feed and carriage "
                       "return are written \\\\, \\t, \\n and \\r, every other control byte and "
                       "every byte that is not UTF-8 \\xHH, so that each line has exactly five "
                       "fields."));
    const QCommandLineOption mapSetOption = p.value(
        "map-set", UsageTexts::tr("SET"), UsageTexts::tr("ironfall (default) or emberline."));
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    if (!p.positional().isEmpty()) {
        return UsageError{UsageTexts::listTakesNoArguments()};
    }
    ListCommand command;
    if (const std::optional<QString> mapSetText = p.valueOf(mapSetOption)) {
        const std::optional<int> mapSet = mapSetFromName(mapSetText->toStdString());
        if (!mapSet) {
            return UsageError{UsageTexts::unknownMapSet(mapSetText->toStdString())};
        }
        command.mapSetIndex = *mapSet;
    }
    return command;
}

}  // namespace pw::cli
