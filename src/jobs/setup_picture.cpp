// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions between a setup's picture options and a picture's choices.
#include "jobs/setup_picture.h"

#include <QString>
#include <type_traits>

#include "jobs/picture_rules.h"

namespace pw {
namespace {

// An option's value as the word the command line would give for it.
template <typename Value>
QString wordOf(const Value& value) {
    if constexpr (std::is_same_v<Value, std::string>) {
        return QString::fromStdString(value);
    } else {
        return QString::number(value, 'g', 17);
    }
}

}  // namespace

SetupPictureOptions setupPictureOptionsOf(const PictureChoice& choice) {
    const PictureChoice defaults = joinedMapPicture();
    SetupPictureOptions kept;
    if (choice.formatGiven) {
        kept.format = formatWord(choice.file.format);
    }
    if (choice.section != defaults.section) {
        kept.show = showWord(choice.section, choice.layer);
    }
    if (choice.labels != defaults.labels) {
        kept.labels = labelsWord(choice.labels);
    }
    if (choice.fixUps != defaults.fixUps) {
        kept.fixUps = choice.fixUps;
    }
    if (choice.seamMarks != defaults.seamMarks) {
        kept.seamMarks = choice.seamMarks;
    }
    if (choice.grid != defaults.grid) {
        kept.grid = choice.grid;
    }
    if (choice.scale != defaults.scale) {
        kept.scale = choice.scale;
    }
    if (choice.file.dpi != defaults.file.dpi) {
        kept.dpi = choice.file.dpi;
    }
    if (choice.file.print.paper != defaults.file.print.paper) {
        kept.paper = paperWord(choice.file.print.paper);
    }
    if (choice.file.print.cellMm != defaults.file.print.cellMm) {
        kept.cellMm = choice.file.print.cellMm;
    }
    return kept;
}

SetupPicture pictureChoiceOfSetup(const SetupPictureOptions& options, const std::string& file) {
    SetupPicture picture{joinedMapPicture(), std::nullopt};
    PictureChoice& choice = picture.choice;
    choice.file.format = formatForName(file).value_or(PictureFormat::Png);
    const auto read = [&](PictureOption option, const auto& value) {
        if (!value) {
            return;
        }
        std::optional<Problem> problem = readPictureOption(option, wordOf(*value), choice);
        if (problem && !picture.problem) {
            picture.problem = std::move(problem);
        }
    };
    read(PictureOption::Format, options.format);
    read(PictureOption::Show, options.show);
    read(PictureOption::Scale, options.scale);
    read(PictureOption::Dpi, options.dpi);
    read(PictureOption::Paper, options.paper);
    read(PictureOption::CellMm, options.cellMm);
    read(PictureOption::Labels, options.labels);
    choice.fixUps = options.fixUps.value_or(choice.fixUps);
    choice.seamMarks = options.seamMarks.value_or(choice.seamMarks);
    choice.grid = options.grid.value_or(choice.grid);
    if (!picture.problem) {
        picture.problem = formatsMismatch(choice.file.format, options.scale.has_value(),
                                          options.paper.has_value() || options.cellMm.has_value());
    }
    if (!picture.problem) {
        picture.problem = gridTooFine(choice);
    }
    return picture;
}

SetupPictureOptions withShownChoices(SetupPictureOptions kept, const PictureChoice& shown) {
    const SetupPictureOptions chosen = setupPictureOptionsOf(shown);
    kept.show = chosen.show;
    kept.fixUps = chosen.fixUps;
    kept.seamMarks = chosen.seamMarks;
    kept.grid = chosen.grid;
    if (shown.labels == LabelMode::None || kept.labels != labelsWord(LabelMode::All)) {
        kept.labels = chosen.labels;
    }
    return kept;
}

}  // namespace pw
