// SPDX-License-Identifier: GPL-3.0-or-later
// The picture file's options declared for --help and read by the picture rules of the jobs.
#include "cli/picture_option_set.h"

#include "cli/usage_texts.h"

namespace pw::cli {

PictureOptionSet::PictureOptionSet(CommandParser& p)
    : show_(p.value("show", UsageTexts::tr("WHAT"),
                    UsageTexts::tr("first (default), second, or a layer letter a to w."))),
      scale_(p.value("scale", UsageTexts::tr("PX"),
                     UsageTexts::tr("PNG: pixels per cell, 1 to 64 (default 4)."))),
      dpi_(p.value(
          "dpi", UsageTexts::tr("N"),
          UsageTexts::tr("PNG: the resolution stored in the file, so that other programs print it "
                         "at that size; PDF: the resolution of the overview's picture (the "
                         "sheets are shapes and text, sharp at any resolution; default 200)."))),
      format_(
          p.value("format", UsageTexts::tr("FORMAT"),
                  UsageTexts::tr("png or pdf; without it the name says: .pdf gives PDF, .png or no "
                                 "suffix PNG, and any other suffix is refused."))),
      paper_(p.value(
          "paper", UsageTexts::tr("PAPER"),
          UsageTexts::tr("PDF: a4 (default), a3 or letter, portrait or landscape, whichever "
                         "needs fewer sheets."))),
      cellMm_(p.value(
          "cell-mm", UsageTexts::tr("MM"),
          UsageTexts::tr("PDF: each cell's side on paper in millimetres, 1 to 50 (default 5). "
                         "The first sheet shows the whole map with the grid of the sheets; "
                         "neighbouring sheets overlap, with crop marks and each sheet's row "
                         "and column in its margin."))),
      grid_(
          p.flag("grid", UsageTexts::tr("Outlines each cell in a thin line of a colour that stands "
                                        "out from every colour of the legend, so that cells can "
                                        "be counted. PNG: needs --scale 4 or more."))) {}

std::optional<UsageError> PictureOptionSet::read(const CommandParser& p,
                                                 const std::string& outputName,
                                                 PictureChoice& picture) const {
    picture.file.format = formatForName(outputName).value_or(PictureFormat::Png);
    if (std::optional<UsageError> error = readValued(p,
                                                     {{&show_, PictureOption::Show},
                                                      {&scale_, PictureOption::Scale},
                                                      {&dpi_, PictureOption::Dpi},
                                                      {&format_, PictureOption::Format},
                                                      {&paper_, PictureOption::Paper},
                                                      {&cellMm_, PictureOption::CellMm}},
                                                     picture)) {
        return error;
    }
    if (std::optional<Problem> refused = formatsMismatch(picture.file.format, p.isSet(scale_),
                                                         p.isSet(paper_) || p.isSet(cellMm_))) {
        return UsageError{refused->message};
    }
    picture.grid = p.isSet(grid_);
    if (std::optional<Problem> refused = gridTooFine(picture)) {
        return UsageError{refused->message};
    }
    return std::nullopt;
}

bool PictureOptionSet::anySet(const CommandParser& p) const {
    return p.isSet(show_) || p.isSet(scale_) || p.isSet(dpi_) || p.isSet(format_) ||
           p.isSet(paper_) || p.isSet(cellMm_) || p.isSet(grid_);
}

std::optional<UsageError> PictureOptionSet::readValued(
    const CommandParser& p,
    const std::vector<std::pair<const QCommandLineOption*, PictureOption>>& valued,
    PictureChoice& picture) {
    for (const auto& [option, read] : valued) {
        if (const std::optional<QString> text = p.valueOf(*option)) {
            if (std::optional<Problem> refused = readPictureOption(read, *text, picture)) {
                return UsageError{refused->message};
            }
        }
    }
    return std::nullopt;
}

}  // namespace pw::cli
