// SPDX-License-Identifier: GPL-3.0-or-later
// Layout, map set, direction, marks and sources read for merge and check.
#include "cli/composition_options.h"

#include "cli/argument_bytes.h"
#include "cli/usage_texts.h"
#include "core/assembly/layout_choices.h"
#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_set.h"

namespace pw::cli {

CompositionOptions::CompositionOptions(CommandParser& p)
    : layout_(p.value("layout", UsageTexts::tr("LAYOUT"),
                      UsageTexts::tr("top-to-bottom, end-to-end or composite."))),
      mapSet_(p.value("map-set", UsageTexts::tr("SET"),
                      UsageTexts::tr("ironfall (default) or emberline."))),
      direction_(p.value(
          "direction", UsageTexts::tr("DIR"),
          UsageTexts::tr("The new map's top edge: N (default), NE, E, SE, S, SW, W, NW or 0..7."))),
      marks_(p.value(
          "marks", UsageTexts::tr("MARKS"),
          UsageTexts::tr("One L/R mark per source (L, R or - for none), e.g. L-R-; without it "
                         "the marks come from the file names, as in the dialogs."))) {}

void CompositionOptions::sourcesArgument(CommandParser& p) {
    p.argument(
        UsageTexts::tr("SOURCE"),
        UsageTexts::tr("Map files in slot order: top-to-bottom top first (2 to 4), end-to-end left "
                       "first (2 or 3), composite row by row, left before right (4, 6 or 8). An "
                       "empty SOURCE (\"\") is a slot with nothing chosen. Options go first: "
                       "every argument after the first SOURCE is a SOURCE."),
        UsageTexts::tr("SOURCE..."));
}

std::vector<std::string> CompositionOptions::sources(const CommandParser& p) {
    std::vector<std::string> sources;
    for (const QString& source : p.positional()) {
        sources.push_back(ArgumentBytes::fromText(source));
    }
    return sources;
}

std::variant<Layout, UsageError> CompositionOptions::layout(
    const CommandParser& p, const std::vector<std::string>& sources) const {
    const std::optional<QString> layoutText = p.valueOf(layout_);
    if (!layoutText) {
        return UsageError{UsageTexts::missingLayout()};
    }
    const std::optional<Layout> layout = layoutFromName(layoutText->toStdString());
    if (!layout) {
        return UsageError{UsageTexts::unknownLayout(layoutText->toStdString())};
    }
    if (!shapeFor(*layout, static_cast<int>(sources.size()))) {
        // The pipeline's own message, worded for the command line.
        return UsageError{
            messages::reasonOf(messages::countNotTaken(*layout, static_cast<int>(sources.size())))};
    }
    return *layout;
}

std::optional<UsageError> CompositionOptions::read(const CommandParser& p,
                                                   const std::vector<std::string>& sources,
                                                   MergeRequest& request) const {
    if (const std::optional<QString> mapSetText = p.valueOf(mapSet_)) {
        const std::optional<int> mapSet = mapSetFromName(mapSetText->toStdString());
        if (!mapSet) {
            return UsageError{UsageTexts::unknownMapSet(mapSetText->toStdString())};
        }
        request.mapSetIndex = *mapSet;
    }
    if (const std::optional<QString> directionText = p.valueOf(direction_)) {
        const std::optional<int> direction = directionFromName(directionText->toStdString());
        if (!direction) {
            return UsageError{UsageTexts::unknownDirection(directionText->toStdString())};
        }
        request.direction = *direction;
    }
    const std::optional<QString> marks = p.valueOf(marks_);
    if (marks) {
        if (static_cast<std::size_t>(marks->size()) != sources.size()) {
            return UsageError{UsageTexts::marksCount(sources.size(), marks->size())};
        }
        for (QChar mark : *marks) {
            if (mark != u'L' && mark != u'R' && mark != u'-') {
                return UsageError{UsageTexts::marksLetters()};
            }
        }
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        SourceSlot slot;
        slot.name = escapedName(sources[i]);
        slot.path = sources[i];
        if (marks) {
            const char mark = marks->at(static_cast<qsizetype>(i)).toLatin1();
            slot.mark = mark == '-' ? ' ' : mark;
        } else if (!sources[i].empty()) {
            slot.mark = parseMapFileName(fileNameOf(sources[i])).mark;
        }
        request.slots.push_back(std::move(slot));
    }
    return std::nullopt;
}

}  // namespace pw::cli
