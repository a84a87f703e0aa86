// SPDX-License-Identifier: GPL-3.0-or-later
// The picture options' rules: options read, refusals worded, a setup's options kept.
#include "cli/picture_options.h"

#include <QCoreApplication>
#include <QStringList>
#include <type_traits>

#include "core/common/messages.h"
#include "core/common/translated_text.h"
#include "render/shown_section.h"

namespace pw::cli {
namespace {

// The context the picture options' texts are translated in.
class PictureRules {
    Q_DECLARE_TR_FUNCTIONS(PictureRules)
};

// A resolution no printer reaches; pHYs holds it with room to spare.
constexpr int kMaxDpi = 9600;

}  // namespace

// --show: "first", "second" or a layer letter.
std::optional<std::string> readShow(const QString& show, PictureOptions& picture) {
    if (const std::optional<ShownSection> shown = parseShownSection(show.toStdString())) {
        picture.section = shown->section;
        if (shown->section == RenderSection::Layer) {
            picture.layer = shown->layer;
        }
    } else {
        //: first and second are what --show reads, and stay as they are.
        return filled(PictureRules::tr("unknown --show '%1' (first, second or a layer "
                                       "letter %2 to %3)"),
                      {show.toStdString(), std::string(1, kLayerLetters.front()),
                       std::string(1, kLayerLetters.back())});
    }
    return std::nullopt;
}

// --panel: LENGTHxHEIGHT in cells.
std::optional<std::string> readPanel(const QString& panel, PictureOptions& picture) {
    const QStringList sides = panel.split(u'x');
    bool lengthRead = false;
    bool heightRead = false;
    if (sides.size() == 2) {
        picture.panelLength = sides[0].toInt(&lengthRead);
        picture.panelHeight = sides[1].toInt(&heightRead);
    }
    if (!lengthRead || !heightRead || picture.panelLength < 1 || picture.panelHeight < 1) {
        return filled(PictureRules::tr("--panel takes LENGTHxHEIGHT in cells, such as 32x20"));
    }
    return std::nullopt;
}

std::optional<std::string> readScale(const QString& scale, PictureOptions& picture) {
    bool isNumber = false;
    picture.scale = scale.toInt(&isNumber);
    if (!isNumber || picture.scale < 1 || picture.scale > kMaxCellSize) {
        return filled(PictureRules::tr("--scale takes a whole number of pixels from 1 to %1"),
                      {std::to_string(kMaxCellSize)});
    }
    return std::nullopt;
}

std::optional<std::string> readDpi(const QString& text, PictureOptions& picture) {
    bool isNumber = false;
    picture.file.dpi = text.toInt(&isNumber);
    picture.file.print.dpi = picture.file.dpi;
    if (!isNumber || picture.file.dpi < 1 || picture.file.dpi > kMaxDpi) {
        return filled(PictureRules::tr("--dpi takes a whole number from 1 to %1"),
                      {std::to_string(kMaxDpi)});
    }
    return std::nullopt;
}

std::optional<std::string> readFormat(const QString& text, PictureOptions& picture) {
    if (text.compare(u"png", Qt::CaseInsensitive) == 0) {
        picture.file.format = PictureFormat::Png;
    } else if (text.compare(u"pdf", Qt::CaseInsensitive) == 0) {
        picture.file.format = PictureFormat::Pdf;
    } else {
        //: png and pdf are what --format reads, and stay as they are.
        return filled(PictureRules::tr("unknown --format '%1' (png or pdf)"), {text.toStdString()});
    }
    return std::nullopt;
}

namespace {

std::string paperChoices() {
    std::vector<std::string> names;
    for (const PaperInfo& paper : kPapers) {
        names.emplace_back(paper.name);
    }
    return messages::oneOf(names);
}

}  // namespace

std::optional<std::string> readPaper(const QString& text, PictureOptions& picture) {
    for (const PaperInfo& paper : kPapers) {
        if (text.compare(
                QString::fromLatin1(paper.name.data(), static_cast<qsizetype>(paper.name.size())),
                Qt::CaseInsensitive) == 0) {
            picture.file.print.paper = paper.paper;
            return std::nullopt;
        }
    }
    return filled(PictureRules::tr("unknown --paper '%1' (%2)"),
                  {text.toStdString(), paperChoices()});
}

std::optional<std::string> readCellMm(const QString& text, PictureOptions& picture) {
    bool isNumber = false;
    picture.file.print.cellMm = text.toDouble(&isNumber);
    if (!isNumber || !(picture.file.print.cellMm >= kMinCellMm) ||
        !(picture.file.print.cellMm <= kMaxCellMm)) {
        return filled(
            PictureRules::tr("--cell-mm takes a number of millimetres from %1 to %2"),
            {QString::number(kMinCellMm).toStdString(), QString::number(kMaxCellMm).toStdString()});
    }
    return std::nullopt;
}

// Options of one format given for a picture of the other.
std::optional<std::string> formatsOptions(PictureFormat format, bool scale, bool paperOrCellMm) {
    const bool pdf = format == PictureFormat::Pdf;
    if (pdf && scale) {
        return filled(PictureRules::tr("--scale applies to PNG pictures only"));
    }
    if (!pdf && paperOrCellMm) {
        return filled(PictureRules::tr("--paper and --cell-mm apply to PDF pictures only"));
    }
    return std::nullopt;
}

SetupPictureOptions setupPictureOptionsOf(const PictureOptions& picture) {
    const PictureOptions defaults = mergedMapPicture();
    const PictureFileOptions& file = picture.file;
    SetupPictureOptions kept;
    if (picture.formatGiven) {
        kept.format = file.format == PictureFormat::Pdf ? "pdf" : "png";
    }
    if (picture.section == RenderSection::SecondGrid) {
        kept.show = "second";
    } else if (picture.section == RenderSection::Layer) {
        kept.show = std::string(1, picture.layer);
    }
    if (picture.allLabels || !picture.labels) {
        kept.labels = picture.allLabels ? "all" : "none";
    }
    if (!picture.fixUps) {
        kept.fixUps = false;
    }
    if (picture.seamMarks) {
        kept.seamMarks = true;
    }
    if (picture.scale != defaults.scale) {
        kept.scale = picture.scale;
    }
    if (file.dpi != defaults.file.dpi) {
        kept.dpi = file.dpi;
    }
    if (file.print.paper != defaults.file.print.paper) {
        kept.paper = std::string(paperInfo(file.print.paper).name);
    }
    if (file.print.cellMm != defaults.file.print.cellMm) {
        kept.cellMm = file.print.cellMm;
    }
    return kept;
}

std::variant<PictureOptions, std::string> pictureOptionsOfSetup(const SetupPictureOptions& kept,
                                                                const std::string& file) {
    PictureOptions picture = mergedMapPicture();
    picture.file.format = formatForName(file).value_or(PictureFormat::Png);
    picture.formatGiven = kept.format.has_value();
    const auto text = [](const auto& value) {
        using Value = std::decay_t<decltype(*value)>;
        if constexpr (std::is_same_v<Value, std::string>) {
            return QString::fromStdString(*value);
        } else {
            return QString::number(*value, 'g', 17);
        }
    };
    std::optional<std::string> error;
    const auto read = [&](const auto& value, const PictureReader& reader) {
        if (value && !error) {
            error = reader(text(value), picture);
        }
    };
    read(kept.format, readFormat);
    read(kept.show, readShow);
    read(kept.scale, readScale);
    read(kept.dpi, readDpi);
    read(kept.paper, readPaper);
    read(kept.cellMm, readCellMm);
    if (kept.labels && !error) {
        picture.allLabels = *kept.labels == "all";
        picture.labels = *kept.labels != "none";
        if (!picture.allLabels && picture.labels && *kept.labels != "placed") {
            //: all, placed and none are what a setup's "labels" holds, and stay as they are.
            error = filled(PictureRules::tr("unknown labels '%1' (all, placed or none)"),
                           {*kept.labels});
        }
    }
    picture.fixUps = kept.fixUps.value_or(true);
    picture.seamMarks = kept.seamMarks.value_or(false);
    if (!error) {
        error = formatsOptions(picture.file.format, kept.scale.has_value(),
                               kept.paper.has_value() || kept.cellMm.has_value());
    }
    if (error) {
        return *error;
    }
    return picture;
}

}  // namespace pw::cli
