// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <type_traits>
#include <variant>

#include "cli/usage_texts.h"
#include "core/assembly/layout.h"
#include "core/common/file_path.h"
#include "core/common/file_place.h"
#include "core/common/messages.h"
#include "core/common/translated_text.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_format.h"
#include "core/mapfile/map_set.h"

namespace pw::cli {
namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

// The context the picture options' texts are translated in.
class PictureRules {
    Q_DECLARE_TR_FUNCTIONS(PictureRules)
};

// A resolution no printer reaches; pHYs holds it with room to spare.
constexpr int kMaxDpi = 9600;

std::optional<int> parseDirection(const QString& text) {
    return directionFromName(text.toStdString());
}

std::optional<int> parseMapSet(const QString& text) {
    return mapSetFromName(text.toStdString());
}

// Arguments are bytes, and paths among them must reach the file system unchanged. An
// argument that is not UTF-8 is read with each of its bytes from 0x80 up held as a lone
// surrogate U+DC80 to U+DCFF, which no UTF-8 text gives, so that its bytes come back.
QString argumentText(const std::string& bytes) {
    QString text = QString::fromStdString(bytes);
    if (text.toStdString() == bytes) {
        return text;
    }
    text.clear();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < 0x80 ? QChar(byte) : QChar(static_cast<char16_t>(0xDC00 + byte));
    }
    return text;
}

std::string argumentBytes(const QString& text) {
    std::string bytes;
    qsizetype run = 0;  // where the text not yet converted starts
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const char16_t unit = i < text.size() ? text[i].unicode() : 0;
        const bool heldByte = unit >= 0xDC80 && unit <= 0xDCFF &&
                              (i == 0 || !QChar::isHighSurrogate(text[i - 1].unicode()));
        if (heldByte || i == text.size()) {
            bytes += text.sliced(run, i - run).toStdString();
            run = i + 1;
        }
        if (heldByte) {
            bytes += static_cast<char>(unit - 0xDC00);
        }
    }
    return bytes;
}

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

// --help, or --help-all, which Qt's parser adds beside it; the command line takes no Qt
// options, so both tell the same.
bool asksForHelp(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
}

// One command's options and arguments, described for its --help.
class CommandParser {
  public:
    CommandParser(const char* command, const QString& description) : command_(command) {
        parser_.setApplicationDescription(description);
        parser_.addHelpOption();
    }

    // Every argument after the first that is no option is taken as it is, whatever it looks
    // like: `*` in a folder holding a file named "--allow-outside" names that file.
    void optionsEndAtFirstArgument() {
        optionsEndAtFirstArgument_ = true;
        parser_.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    }

    QCommandLineOption flag(const char* name, const QString& description) {
        QCommandLineOption option(q(name), description);
        parser_.addOption(option);
        return option;
    }
    QCommandLineOption value(const char* name, const QString& valueName,
                             const QString& description) {
        QCommandLineOption option(q(name), description, valueName);
        parser_.addOption(option);
        valueOptions_.push_back(std::string("--") + name);
        return option;
    }
    // "--labels all" (or "--labels=all") among the options: the flag followed by a word.
    // The parser knows no option whose value may be left out, so the word is taken out
    // before it reads the options; wordGiven() tells whether it was there.
    void flagTakesWord(const char* flag, const char* word) {
        wordFlag_ = std::string("--") + flag;
        word_ = word;
    }
    bool wordGiven() const { return wordGiven_; }
    void argument(const QString& name, const QString& description, const QString& syntax) {
        parser_.addPositionalArgument(name, description, syntax);
    }
    void epilogue(std::string text) { epilogue_ = std::move(text); }

    // nullopt when the arguments parse; otherwise what to answer.
    std::optional<ParsedCommand> parse(const std::vector<std::string>& arguments) {
        const OptionScan scan = scanOptions(arguments);
        for (const std::size_t i : scan.options) {
            std::error_code failed;
            if (std::filesystem::exists(std::filesystem::symlink_status(arguments[i], failed))) {
                return UsageError{UsageTexts::fileNamedLikeOption(escapedName(arguments[i]))};
            }
        }
        QStringList list{q(kProgramName)};
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            const bool option =
                std::find(scan.options.begin(), scan.options.end(), i) != scan.options.end();
            if (option && !wordFlag_.empty() && arguments[i] == wordFlag_ + "=" + word_) {
                list.append(q(wordFlag_.c_str()));
                wordGiven_ = true;
                continue;
            }
            list.append(argumentText(arguments[i]));
            if (option && !wordFlag_.empty() && arguments[i] == wordFlag_ &&
                i + 1 < arguments.size() && arguments[i + 1] == word_) {
                wordGiven_ = true;
                ++i;
            }
        }
        if (!parser_.parse(list)) {
            return UsageError{parser_.errorText().toStdString()};
        }
        if (asksForHelp(parser_)) {
            return HelpRequest{helpText(parser_, std::string(kProgramName) + " " + command_) +
                               epilogue_};
        }
        return std::nullopt;
    }

    std::optional<QString> valueOf(const QCommandLineOption& option) const {
        if (!parser_.isSet(option)) {
            return std::nullopt;
        }
        return parser_.value(option);
    }
    bool isSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
    QStringList positional() const { return parser_.positionalArguments(); }

    // Qt's help text, with the program called by its name rather than by the path it was
    // started from (or a placeholder where no application runs), found where Qt's own
    // "Usage: %1", translated, puts it: a path may hold spaces, and "Usage:" too.
    static std::string helpText(const QCommandLineParser& parser, const std::string& usage) {
        const QString executable = QCoreApplication::instance() != nullptr
                                       ? QCoreApplication::arguments().value(0)
                                       : QStringLiteral("<executable_name>");
        // Qt's text, which its own translation holds (kept apart from ours, so not literal).
        static constexpr const char* kQtUsage[] = {"QCommandLineParser", "Usage: %1"};
        const qsizetype start =
            QCoreApplication::translate(kQtUsage[0], kQtUsage[1]).indexOf(u"%1");
        QString text = parser.helpText();
        if (start >= 0 && text.sliced(start).startsWith(executable)) {
            text.replace(start, executable.size(), QString::fromStdString(usage));
        }
        return text.toStdString();
    }

  private:
    // The arguments that the parser reads as options (their values passed over), and where
    // the options end: at "--", at the first other argument where options end there, else
    // after the last argument.
    struct OptionScan {
        std::vector<std::size_t> options;
        std::size_t end = 0;
    };
    OptionScan scanOptions(const std::vector<std::string>& arguments) const {
        OptionScan scan{{}, arguments.size()};
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            const std::string& argument = arguments[i];
            if (argument == "--") {
                scan.end = i;
                break;
            }
            if (argument.size() < 2 || argument.front() != '-') {
                if (optionsEndAtFirstArgument_) {
                    scan.end = i;
                    break;
                }
                continue;
            }
            scan.options.push_back(i);
            const bool word =
                argument == wordFlag_ && i + 1 < arguments.size() && arguments[i + 1] == word_;
            if (word || std::find(valueOptions_.begin(), valueOptions_.end(), argument) !=
                            valueOptions_.end()) {
                ++i;  // its value, whatever it looks like
            }
        }
        return scan;
    }

    QCommandLineParser parser_;
    std::string command_;
    std::string epilogue_;
    std::vector<std::string> valueOptions_;  // "--output": an option followed by its value
    bool optionsEndAtFirstArgument_ = false;
    std::string wordFlag_;  // "--labels", which "all" may follow
    std::string word_;
    bool wordGiven_ = false;
};

// The composition that merge joins and check compares: layout, map set, direction, marks
// and the sources.
class CompositionOptions {
  public:
    explicit CompositionOptions(CommandParser& p)
        : layout_(p.value("layout", UsageTexts::tr("LAYOUT"),
                          UsageTexts::tr("top-to-bottom, end-to-end or composite."))),
          mapSet_(p.value("map-set", UsageTexts::tr("SET"),
                          UsageTexts::tr("ironfall (default) or emberline."))),
          direction_(p.value(
              "direction", UsageTexts::tr("DIR"),
              UsageTexts::tr(
                  "The new map's top edge: N (default), NE, E, SE, S, SW, W, NW or 0..7."))),
          marks_(p.value(
              "marks", UsageTexts::tr("MARKS"),
              UsageTexts::tr("One L/R mark per source (L, R or - for none), e.g. L-R-; without it "
                             "the marks come from the file names, as in the dialogs."))) {}

    static void sourcesArgument(CommandParser& p) {
        p.argument(UsageTexts::tr("SOURCE"),
                   UsageTexts::tr(
                       "Map files in slot order: top-to-bottom top first (2 to 4), end-to-end left "
                       "first (2 or 3), composite row by row, left before right (4, 6 or 8). An "
                       "empty SOURCE (\"\") is a slot with nothing chosen. Options go first: "
                       "every argument after the first SOURCE is a SOURCE."),
                   UsageTexts::tr("SOURCE..."));
    }
    bool layoutGiven(const CommandParser& p) const { return p.isSet(layout_); }
    bool anyGiven(const CommandParser& p) const {
        return p.isSet(layout_) || p.isSet(mapSet_) || p.isSet(direction_) || p.isSet(marks_);
    }

    static std::vector<std::string> sources(const CommandParser& p) {
        std::vector<std::string> sources;
        for (const QString& source : p.positional()) {
            sources.push_back(argumentBytes(source));
        }
        return sources;
    }

    // The layout, which must take as many sources as are given.
    std::variant<Layout, UsageError> layout(const CommandParser& p,
                                            const std::vector<std::string>& sources) const {
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
            return UsageError{messages::reasonOf(
                messages::countNotTaken(*layout, static_cast<int>(sources.size())))};
        }
        return *layout;
    }

    // The rest of `request`: map set, direction and the slots with their marks.
    std::optional<UsageError> read(const CommandParser& p, const std::vector<std::string>& sources,
                                   MergeRequest& request) const {
        if (const std::optional<QString> mapSetText = p.valueOf(mapSet_)) {
            const std::optional<int> mapSet = parseMapSet(*mapSetText);
            if (!mapSet) {
                return UsageError{UsageTexts::unknownMapSet(mapSetText->toStdString())};
            }
            request.mapSetIndex = *mapSet;
        }
        if (const std::optional<QString> directionText = p.valueOf(direction_)) {
            const std::optional<int> direction = parseDirection(*directionText);
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

  private:
    QCommandLineOption layout_;
    QCommandLineOption mapSet_;
    QCommandLineOption direction_;
    QCommandLineOption marks_;
};

// --show: "first", "second" or a layer letter.
std::optional<UsageError> readShow(const QString& show, PictureOptions& picture) {
    if (const std::optional<ShownSection> shown = parseShownSection(show.toStdString())) {
        picture.section = shown->section;
        if (shown->section == RenderSection::Layer) {
            picture.layer = shown->layer;
        }
    } else {
        //: first and second are what --show reads, and stay as they are.
        return UsageError{filled(PictureRules::tr("unknown --show '%1' (first, second or a layer "
                                                  "letter %2 to %3)"),
                                 {show.toStdString(), std::string(1, kLayerLetters.front()),
                                  std::string(1, kLayerLetters.back())})};
    }
    return std::nullopt;
}

// --panel: LENGTHxHEIGHT in cells.
std::optional<UsageError> readPanel(const QString& panel, PictureOptions& picture) {
    const QStringList sides = panel.split(u'x');
    bool lengthRead = false;
    bool heightRead = false;
    if (sides.size() == 2) {
        picture.panelLength = sides[0].toInt(&lengthRead);
        picture.panelHeight = sides[1].toInt(&heightRead);
    }
    if (!lengthRead || !heightRead || picture.panelLength < 1 || picture.panelHeight < 1) {
        return UsageError{
            filled(PictureRules::tr("--panel takes LENGTHxHEIGHT in cells, such as 32x20"))};
    }
    return std::nullopt;
}

std::optional<UsageError> readScale(const QString& scale, PictureOptions& picture) {
    bool isNumber = false;
    picture.scale = scale.toInt(&isNumber);
    if (!isNumber || picture.scale < 1 || picture.scale > kMaxCellSize) {
        return UsageError{
            filled(PictureRules::tr("--scale takes a whole number of pixels from 1 to %1"),
                   {std::to_string(kMaxCellSize)})};
    }
    return std::nullopt;
}

std::optional<UsageError> readDpi(const QString& text, PictureOptions& picture) {
    bool isNumber = false;
    picture.file.dpi = text.toInt(&isNumber);
    picture.file.print.dpi = picture.file.dpi;
    if (!isNumber || picture.file.dpi < 1 || picture.file.dpi > kMaxDpi) {
        return UsageError{filled(PictureRules::tr("--dpi takes a whole number from 1 to %1"),
                                 {std::to_string(kMaxDpi)})};
    }
    return std::nullopt;
}

std::optional<UsageError> readFormat(const QString& text, PictureOptions& picture) {
    if (text.compare(u"png", Qt::CaseInsensitive) == 0) {
        picture.file.format = PictureFormat::Png;
    } else if (text.compare(u"pdf", Qt::CaseInsensitive) == 0) {
        picture.file.format = PictureFormat::Pdf;
    } else {
        return UsageError{
            filled(PictureRules::tr("unknown --format '%1' (png or pdf)"), {text.toStdString()})};
    }
    return std::nullopt;
}

std::string paperChoices() {
    std::vector<std::string> names;
    for (const PaperInfo& paper : kPapers) {
        names.emplace_back(paper.name);
    }
    return messages::oneOf(names);
}

std::optional<UsageError> readPaper(const QString& text, PictureOptions& picture) {
    for (const PaperInfo& paper : kPapers) {
        if (text.compare(
                QString::fromLatin1(paper.name.data(), static_cast<qsizetype>(paper.name.size())),
                Qt::CaseInsensitive) == 0) {
            picture.file.print.paper = paper.paper;
            return std::nullopt;
        }
    }
    return UsageError{filled(PictureRules::tr("unknown --paper '%1' (%2)"),
                             {text.toStdString(), paperChoices()})};
}

std::optional<UsageError> readCellMm(const QString& text, PictureOptions& picture) {
    bool isNumber = false;
    picture.file.print.cellMm = text.toDouble(&isNumber);
    if (!isNumber || !(picture.file.print.cellMm >= kMinCellMm) ||
        !(picture.file.print.cellMm <= kMaxCellMm)) {
        return UsageError{
            filled(PictureRules::tr("--cell-mm takes a number of millimetres from %1 to %2"),
                   {QString::number(kMinCellMm).toStdString(),
                    QString::number(kMaxCellMm).toStdString()})};
    }
    return std::nullopt;
}

// Options of one format given for a picture of the other.
std::optional<UsageError> formatsOptions(PictureFormat format, bool scale, bool paperOrCellMm) {
    const bool pdf = format == PictureFormat::Pdf;
    if (pdf && scale) {
        return UsageError{filled(PictureRules::tr("--scale applies to PNG pictures only"))};
    }
    if (!pdf && paperOrCellMm) {
        return UsageError{
            filled(PictureRules::tr("--paper and --cell-mm apply to PDF pictures only"))};
    }
    return std::nullopt;
}

using PictureReader = std::function<std::optional<UsageError>(const QString&, PictureOptions&)>;

// Reads every option of `valued` that is given, in order; the first error.
std::optional<UsageError> readValued(
    const CommandParser& p,
    const std::vector<std::pair<const QCommandLineOption*, PictureReader>>& valued,
    PictureOptions& picture) {
    for (const auto& [option, read] : valued) {
        if (const std::optional<QString> text = p.valueOf(*option)) {
            if (std::optional<UsageError> error = read(*text, picture)) {
                return error;
            }
        }
    }
    return std::nullopt;
}

// The options of a picture file that render and merge --image share.
struct PictureFileOptionSet {
    explicit PictureFileOptionSet(CommandParser& p)
        : show(p.value("show", UsageTexts::tr("WHAT"),
                       UsageTexts::tr("first (default), second, or a layer letter a to w."))),
          scale(p.value("scale", UsageTexts::tr("PX"),
                        UsageTexts::tr("PNG: pixels per cell, 1 to 64 (default 4)."))),
          dpi(p.value("dpi", UsageTexts::tr("N"),
                      UsageTexts::tr(
                          "PNG: the resolution stored in the file, so that other programs print it "
                          "at that size; PDF: the resolution of the overview's picture (the "
                          "sheets are shapes and text, sharp at any resolution; default 200)."))),
          format(p.value(
              "format", UsageTexts::tr("FORMAT"),
              UsageTexts::tr("png or pdf; without it the name says: .pdf gives PDF, .png or no "
                             "suffix PNG, and any other suffix is refused."))),
          paper(p.value(
              "paper", UsageTexts::tr("PAPER"),
              UsageTexts::tr("PDF: a4 (default), a3 or letter, portrait or landscape, whichever "
                             "needs fewer sheets."))),
          cellMm(p.value(
              "cell-mm", UsageTexts::tr("MM"),
              UsageTexts::tr("PDF: each cell's side on paper in millimetres, 1 to 50 (default 5). "
                             "The first sheet shows the whole map with the grid of the sheets; "
                             "neighbouring sheets overlap, with crop marks and each sheet's row "
                             "and column in its margin."))) {}

    // Reads them into `picture`: the format from --format, else from `outputName`.
    std::optional<UsageError> read(const CommandParser& p, const std::string& outputName,
                                   PictureOptions& picture) const {
        picture.file.format = formatForName(outputName).value_or(PictureFormat::Png);
        picture.formatGiven = p.isSet(format);
        if (std::optional<UsageError> error = readValued(p,
                                                         {{&show, readShow},
                                                          {&scale, readScale},
                                                          {&dpi, readDpi},
                                                          {&format, readFormat},
                                                          {&paper, readPaper},
                                                          {&cellMm, readCellMm}},
                                                         picture)) {
            return error;
        }
        return formatsOptions(picture.file.format, p.isSet(scale),
                              p.isSet(paper) || p.isSet(cellMm));
    }
    bool anySet(const CommandParser& p) const {
        return p.isSet(show) || p.isSet(scale) || p.isSet(dpi) || p.isSet(format) ||
               p.isSet(paper) || p.isSet(cellMm);
    }

    QCommandLineOption show, scale, dpi, format, paper, cellMm;
};

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
        UsageTexts::tr("IMAGE: marks in cyan the edge cells of features that do not meet across a "
                       "seam, as 'check' finds them with the legend.txt beside the first SOURCE."));
    const PictureFileOptionSet pictureOptions(p);
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
    command.outputPath = argumentBytes(*output);
    command.picture.allLabels = p.wordGiven();
    command.picture.labels = !p.isSet(noLabelsOption);
    command.picture.fixUps = !p.isSet(noFixUpsOption);
    command.picture.seamMarks = p.isSet(seamMarksOption);
    if (const std::optional<QString> image = p.valueOf(imageOption)) {
        command.imagePath = argumentBytes(*image);
        if (std::optional<UsageError> error =
                pictureOptions.read(p, *command.imagePath, command.picture)) {
            return *error;
        }
    } else if (pictureOptions.anySet(p) || p.isSet(noLabelsOption) || p.isSet(noFixUpsOption) ||
               p.isSet(seamMarksOption)) {
        return UsageError{UsageTexts::pictureOptionsNeedImage()};
    }
    if (const std::optional<QString> setup = p.valueOf(setupOption)) {
        command.setupPath = argumentBytes(*setup);
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

ParsedCommand parseList(const std::vector<std::string>& arguments) {
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
        const std::optional<int> mapSet = parseMapSet(*mapSetText);
        if (!mapSet) {
            return UsageError{UsageTexts::unknownMapSet(mapSetText->toStdString())};
        }
        command.mapSetIndex = *mapSet;
    }
    return command;
}

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
    const PictureFileOptionSet pictureOptions(p);
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
    command.mapPath = argumentBytes(maps.front());
    command.outputPath = argumentBytes(*output);
    command.picture.labels = p.isSet(labelsOption);
    command.picture.allLabels = p.wordGiven();
    command.picture.seams = p.isSet(seamsOption);
    if (std::optional<UsageError> error =
            pictureOptions.read(p, command.outputPath, command.picture)) {
        return *error;
    }
    if (std::optional<UsageError> error =
            readValued(p, {{&panelOption, readPanel}}, command.picture)) {
        return *error;
    }
    return command;
}

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
        command.setups.push_back(argumentBytes(setup));
    }
    if (command.setups.empty() ||
        std::find(command.setups.begin(), command.setups.end(), "") != command.setups.end()) {
        return UsageError{UsageTexts::runTakesSetups()};
    }
    return command;
}

ParsedCommand parseCheck(const std::vector<std::string>& arguments) {
    CommandParser p(
        "check",
        UsageTexts::tr(
            "Tells where the panels of a composition do not meet: at every seam between two "
            "joined panels, each edge cell of the first grid whose character the legend.txt "
            "beside the first SOURCE marks as continuing across panel edges (a + right after "
            "its colour) must face a cell of the same character across the seam, at the same "
            "place or one cell to either side. Every panel is read whole, as merge reads it; a "
            "damaged panel is reported as merge reports it, and the seams of the others are "
            "still compared. Nothing is written.\n\n"
            "Output, one line per cell that does not meet, tab-separated:\n"
            "  mismatch SLOT NAME SIDE SLOT2 NAME2 column|row PLACE CELL CELL2\n"
            "the panel of the cell (slot as merge's messages name it, and its name), where the "
            "panel across the seam lies (below, above, right or left), that panel, the column "
            "(across a seam between rows) or row (across a seam between columns) counted from 1 "
            "within the panels, then the cell and the cell directly across, each its character, "
            "a space and its legend meaning. Then one summary line:\n"
            "  summary SEAMS MISMATCHES FAILED TEXT\n"
            "the seams compared, the cells that do not meet, the slots that cannot be joined (a "
            "damaged panel, an empty slot), and a sentence saying the same (or why nothing was "
            "compared, which is no pass). Names and meanings are escaped as list escapes them.\n\n"
            "Without --layout, the arguments are setup files (SETUP...) and each setup's "
            "composition is checked in turn, its lines after a line \"setup SETUP\"."));
    p.optionsEndAtFirstArgument();
    const CompositionOptions composition(p);
    CompositionOptions::sourcesArgument(p);
    p.epilogue(
        '\n' +
        filled(UsageTexts::tr(
            "Exit status: 0 every panel is sound and every seam meets, 1 a slot cannot be joined, "
            "a seam does not meet or nothing was compared (no legend, or one that marks no "
            "feature), 2 usage error.")) +
        '\n');
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    const std::vector<std::string> sources = CompositionOptions::sources(p);
    CheckCommand command;
    if (!composition.layoutGiven(p)) {
        if (composition.anyGiven(p)) {
            return UsageError{UsageTexts::compositionNeedsLayout()};
        }
        if (sources.empty() || std::find(sources.begin(), sources.end(), "") != sources.end()) {
            return UsageError{UsageTexts::checkTakesSources()};
        }
        command.setups = sources;
        return command;
    }
    const std::variant<Layout, UsageError> layout = composition.layout(p, sources);
    if (const auto* error = std::get_if<UsageError>(&layout)) {
        return *error;
    }
    command.request.emplace();
    command.request->layout = std::get<Layout>(layout);
    if (std::optional<UsageError> error = composition.read(p, sources, *command.request)) {
        return *error;
    }
    return command;
}

// The program's own --help and --version, and which command runs.
ParsedCommand parseProgram(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(UsageTexts::tr(
        "Boardsmith's merge engine for scripts: joins 2 to 8 geomorphic map panels of one map "
        "set into one new map file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        UsageTexts::tr("command"),
        UsageTexts::tr(
            "merge: joins map panels into a new map file; run: joins the maps of setup files; "
            "check: tells where the panels of a composition do not meet; "
            "list: the map files the dialogs offer; render: draws a map file into a PNG picture "
            "or a PDF to print. "
            "'panelwright-cli COMMAND --help' tells a command's options."),
        UsageTexts::tr("COMMAND [options] ..."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QStringList list{q(kProgramName)};
    for (const std::string& argument : arguments) {
        list.append(argumentText(argument));
    }
    if (!parser.parse(list)) {
        return UsageError{UsageTexts::unknownCommand(arguments.front())};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return VersionRequest{};
    }
    if (asksForHelp(parser) || arguments.front() == "help") {
        return HelpRequest{CommandParser::helpText(parser, kProgramName) +
                           UsageTexts::exitStatus()};
    }
    return UsageError{UsageTexts::unknownCommand(arguments.front())};
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return UsageError{UsageTexts::missingCommand()};
    }
    using Parse = ParsedCommand (*)(const std::vector<std::string>&);
    const std::pair<const char*, Parse> commands[] = {{"merge", parseMerge},
                                                      {"run", parseRun},
                                                      {"check", parseCheck},
                                                      {"list", parseList},
                                                      {"render", parseRender}};
    for (const auto& [name, parse] : commands) {
        if (arguments.front() == name) {
            return parse(arguments);
        }
    }
    return parseProgram(arguments);
}

}  // namespace pw::cli

namespace pw::cli {

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

std::variant<PictureOptions, UsageError> pictureOptionsOfSetup(const SetupPictureOptions& kept,
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
    std::optional<UsageError> error;
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
            error = UsageError{filled(PictureRules::tr("unknown labels '%1' (all, placed or none)"),
                                      {*kept.labels})};
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
