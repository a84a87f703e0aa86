// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the words of a picture's choices, with the reasons a word is refused.
#include "jobs/picture_rules.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <climits>
#include <vector>

#include "core/common/messages.h"
#include "core/common/translated_text.h"

namespace pw {

// The context the reasons a picture's option is refused are translated in.
class PictureRules {
    Q_DECLARE_TR_FUNCTIONS(PictureRules)
};

namespace {

// A resolution no printer reaches; pHYs holds it with room to spare.
constexpr int kMaxDpi = 9600;

constexpr std::array<LabelMode, 3> kLabelModes{LabelMode::All, LabelMode::Placed, LabelMode::None};

Problem refused(const QString& text, std::initializer_list<std::string_view> arguments = {}) {
    return Problem{filled(text, arguments)};
}

// A whole number from `least` to `most`; nullopt for anything else.
std::optional<int> wholeNumber(const QString& word, int least, int most) {
    bool isNumber = false;
    const int number = word.toInt(&isNumber);
    return isNumber && number >= least && number <= most ? std::optional(number) : std::nullopt;
}

std::optional<Problem> readShow(const QString& word, PictureChoice& choice) {
    const std::string text = word.toStdString();
    if (text == "first" || text == "second") {
        choice.section = text == "first" ? RenderSection::FirstGrid : RenderSection::SecondGrid;
    } else if (text.size() == 1 && isLayerLetter(text.front())) {
        choice.section = RenderSection::Layer;
        choice.layer = text.front();
    } else {
        //: first and second are what --show reads, and stay as they are.
        return refused(
            PictureRules::tr("unknown --show '%1' (first, second or a layer letter %2 to %3)"),
            {text, std::string(1, kLayerLetters.front()), std::string(1, kLayerLetters.back())});
    }
    return std::nullopt;
}

std::optional<Problem> readScale(const QString& word, PictureChoice& choice) {
    const std::optional<int> scale = wholeNumber(word, 1, kMaxCellSize);
    if (!scale) {
        return refused(PictureRules::tr("--scale takes a whole number of pixels from 1 to %1"),
                       {std::to_string(kMaxCellSize)});
    }
    choice.scale = *scale;
    return std::nullopt;
}

std::optional<Problem> readDpi(const QString& word, PictureChoice& choice) {
    const std::optional<int> dpi = wholeNumber(word, 1, kMaxDpi);
    if (!dpi) {
        return refused(PictureRules::tr("--dpi takes a whole number from 1 to %1"),
                       {std::to_string(kMaxDpi)});
    }
    choice.file.dpi = *dpi;
    choice.file.print.dpi = *dpi;
    return std::nullopt;
}

std::optional<Problem> readFormat(const QString& word, PictureChoice& choice) {
    for (const PictureFormat format : {PictureFormat::Png, PictureFormat::Pdf}) {
        if (word.compare(QString::fromStdString(formatWord(format)), Qt::CaseInsensitive) == 0) {
            choice.file.format = format;
            choice.formatGiven = true;
            return std::nullopt;
        }
    }
    //: png and pdf are what --format reads, and stay as they are.
    return refused(PictureRules::tr("unknown --format '%1' (png or pdf)"), {word.toStdString()});
}

std::optional<Problem> readPaper(const QString& word, PictureChoice& choice) {
    std::vector<std::string> names;
    for (const PaperInfo& paper : kPapers) {
        names.push_back(paperWord(paper.paper));
        if (word.compare(QString::fromStdString(names.back()), Qt::CaseInsensitive) == 0) {
            choice.file.print.paper = paper.paper;
            return std::nullopt;
        }
    }
    return refused(PictureRules::tr("unknown --paper '%1' (%2)"),
                   {word.toStdString(), messages::oneOf(names)});
}

std::optional<Problem> readCellMm(const QString& word, PictureChoice& choice) {
    bool isNumber = false;
    const double cellMm = word.toDouble(&isNumber);
    if (!isNumber || !(cellMm >= kMinCellMm) || !(cellMm <= kMaxCellMm)) {
        return refused(
            PictureRules::tr("--cell-mm takes a number of millimetres from %1 to %2"),
            {QString::number(kMinCellMm).toStdString(), QString::number(kMaxCellMm).toStdString()});
    }
    choice.file.print.cellMm = cellMm;
    return std::nullopt;
}

std::optional<Problem> readLabels(const QString& word, PictureChoice& choice) {
    for (const LabelMode labels : kLabelModes) {
        if (word.toStdString() == labelsWord(labels)) {
            choice.labels = labels;
            return std::nullopt;
        }
    }
    //: all, placed and none are what a setup's "labels" holds, and stay as they are.
    return refused(PictureRules::tr("unknown labels '%1' (all, placed or none)"),
                   {word.toStdString()});
}

std::optional<Problem> readPanel(const QString& word, PictureChoice& choice) {
    const QStringList sides = word.split(u'x');
    const std::optional<int> length =
        sides.size() == 2 ? wholeNumber(sides[0], 1, INT_MAX) : std::nullopt;
    const std::optional<int> height =
        sides.size() == 2 ? wholeNumber(sides[1], 1, INT_MAX) : std::nullopt;
    if (!length || !height) {
        return refused(PictureRules::tr("--panel takes LENGTHxHEIGHT in cells, such as 32x20"));
    }
    choice.panelLength = *length;
    choice.panelHeight = *height;
    return std::nullopt;
}

}  // namespace

std::optional<Problem> readPictureOption(PictureOption option, const QString& word,
                                         PictureChoice& choice) {
    switch (option) {
        case PictureOption::Show:
            return readShow(word, choice);
        case PictureOption::Scale:
            return readScale(word, choice);
        case PictureOption::Dpi:
            return readDpi(word, choice);
        case PictureOption::Format:
            return readFormat(word, choice);
        case PictureOption::Paper:
            return readPaper(word, choice);
        case PictureOption::CellMm:
            return readCellMm(word, choice);
        case PictureOption::Labels:
            return readLabels(word, choice);
        case PictureOption::Panel:
            return readPanel(word, choice);
    }
    return std::nullopt;
}

std::optional<Problem> formatsMismatch(PictureFormat format, bool scaleGiven,
                                       bool paperOrCellMmGiven) {
    const bool pdf = format == PictureFormat::Pdf;
    if (pdf && scaleGiven) {
        return refused(PictureRules::tr("--scale applies to PNG pictures only"));
    }
    if (!pdf && paperOrCellMmGiven) {
        return refused(PictureRules::tr("--paper and --cell-mm apply to PDF pictures only"));
    }
    return std::nullopt;
}

std::optional<Problem> gridTooFine(const PictureChoice& choice) {
    if (choice.grid && choice.file.format == PictureFormat::Png &&
        choice.scale < kSmallestGridCell) {
        return refused(
            PictureRules::tr("--grid needs cells of at least %1 pixels (--scale %1 or more)"),
            {std::to_string(kSmallestGridCell)});
    }
    return std::nullopt;
}

std::string showWord(RenderSection section, char layer) {
    return section == RenderSection::FirstGrid    ? "first"
           : section == RenderSection::SecondGrid ? "second"
                                                  : std::string(1, layer);
}

std::string labelsWord(LabelMode labels) {
    return labels == LabelMode::All ? "all" : labels == LabelMode::Placed ? "placed" : "none";
}

std::string formatWord(PictureFormat format) {
    return format == PictureFormat::Pdf ? "pdf" : "png";
}

std::string paperWord(Paper paper) {
    return std::string(paperInfo(paper).name);
}

}  // namespace pw
