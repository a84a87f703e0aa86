// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <variant>

#include "core/assembly/layout.h"
#include "core/common/file_path.h"
#include "core/common/file_place.h"
#include "core/common/messages.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_format.h"
#include "core/mapfile/map_set.h"
#include "jobs/picture_rules.h"

namespace pw::cli {
namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

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
    CommandParser(const char* command, const char* description) : command_(command) {
        parser_.setApplicationDescription(q(description));
        parser_.addHelpOption();
    }

    // Every argument after the first that is no option is taken as it is, whatever it looks
    // like: `*` in a folder holding a file named "--allow-outside" names that file.
    void optionsEndAtFirstArgument() {
        optionsEndAtFirstArgument_ = true;
        parser_.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    }

    QCommandLineOption flag(const char* name, const char* description) {
        QCommandLineOption option(q(name), q(description));
        parser_.addOption(option);
        return option;
    }
    QCommandLineOption value(const char* name, const char* valueName, const char* description) {
        QCommandLineOption option(q(name), q(description), q(valueName));
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
    void argument(const char* name, const char* description, const char* syntax) {
        parser_.addPositionalArgument(q(name), q(description), q(syntax));
    }
    void epilogue(const char* text) { epilogue_ = text; }

    // nullopt when the arguments parse; otherwise what to answer.
    std::optional<ParsedCommand> parse(const std::vector<std::string>& arguments) {
        const OptionScan scan = scanOptions(arguments);
        for (const std::size_t i : scan.options) {
            std::error_code failed;
            if (std::filesystem::exists(std::filesystem::symlink_status(arguments[i], failed))) {
                return UsageError{messages::fileNamedLikeOption(escapedName(arguments[i]))};
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
    // started from (or a placeholder where no application runs).
    static std::string helpText(const QCommandLineParser& parser, const std::string& usage) {
        QString text = parser.helpText();
        const qsizetype start = text.indexOf(u' ') + 1;
        const qsizetype end = text.indexOf(u' ', start);
        return text.replace(start, end - start, QString::fromStdString(usage)).toStdString();
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
        : layout_(p.value("layout", "LAYOUT", "top-to-bottom, end-to-end or composite.")),
          mapSet_(p.value("map-set", "SET", "ironfall (default) or emberline.")),
          direction_(
              p.value("direction", "DIR",
                      "The new map's top edge: N (default), NE, E, SE, S, SW, W, NW or 0..7.")),
          marks_(p.value("marks", "MARKS",
                         "One L/R mark per source (L, R or - for none), e.g. L-R-; without it "
                         "the marks come from the file names, as in the dialogs.")) {}

    static void sourcesArgument(CommandParser& p) {
        p.argument("SOURCE",
                   "Map files in slot order: top-to-bottom top first (2 to 4), end-to-end left "
                   "first (2 or 3), composite row by row, left before right (4, 6 or 8). An "
                   "empty SOURCE (\"\") is a slot with nothing chosen. Options go first: "
                   "every argument after the first SOURCE is a SOURCE.",
                   "SOURCE...");
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
            return UsageError{"missing --layout (" + messages::layoutChoices() + ")"};
        }
        const std::optional<Layout> layout = layoutFromName(layoutText->toStdString());
        if (!layout) {
            return UsageError{"unknown layout '" + layoutText->toStdString() + "' (" +
                              messages::layoutChoices() + ")"};
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
                return UsageError{"unknown map set '" + mapSetText->toStdString() + "' (" +
                                  messages::mapSetChoices() + ")"};
            }
            request.mapSetIndex = *mapSet;
        }
        if (const std::optional<QString> directionText = p.valueOf(direction_)) {
            const std::optional<int> direction = parseDirection(*directionText);
            if (!direction) {
                return UsageError{"unknown direction '" + directionText->toStdString() + "' (" +
                                  messages::directionChoices() + ")"};
            }
            request.direction = *direction;
        }
        const std::optional<QString> marks = p.valueOf(marks_);
        if (marks) {
            if (static_cast<std::size_t>(marks->size()) != sources.size()) {
                return UsageError{"--marks needs one mark per source (" +
                                  std::to_string(sources.size()) + "), not " +
                                  std::to_string(marks->size())};
            }
            for (QChar mark : *marks) {
                if (mark != u'L' && mark != u'R' && mark != u'-') {
                    return UsageError{"--marks takes only L, R and -"};
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

// The usage error of a picture option's refused word.
std::optional<UsageError> usageErrorOf(const std::optional<Problem>& problem) {
    return problem ? std::optional(UsageError{problem->message}) : std::nullopt;
}

// Reads every option of `valued` that is given, in order; the first error.
std::optional<UsageError> readValued(
    const CommandParser& p,
    const std::vector<std::pair<const QCommandLineOption*, PictureOption>>& valued,
    PictureChoice& picture) {
    for (const auto& [option, read] : valued) {
        if (const std::optional<QString> text = p.valueOf(*option)) {
            if (std::optional<Problem> problem = readPictureOption(read, *text, picture)) {
                return usageErrorOf(problem);
            }
        }
    }
    return std::nullopt;
}

// The options of a picture file that render and merge --image share.
struct PictureFileOptionSet {
    explicit PictureFileOptionSet(CommandParser& p)
        : show(p.value("show", "WHAT", "first (default), second, or a layer letter a to w.")),
          scale(p.value("scale", "PX", "PNG: pixels per cell, 1 to 64 (default 4).")),
          dpi(p.value("dpi", "N",
                      "PNG: the resolution stored in the file, so that other programs print it "
                      "at that size; PDF: the resolution of the overview's picture (the "
                      "sheets are shapes and text, sharp at any resolution; default 200).")),
          format(p.value("format", "FORMAT",
                         "png or pdf; without it the name says: .pdf gives PDF, .png or no "
                         "suffix PNG, and any other suffix is refused.")),
          paper(p.value("paper", "PAPER",
                        "PDF: a4 (default), a3 or letter, portrait or landscape, whichever "
                        "needs fewer sheets.")),
          cellMm(p.value("cell-mm", "MM",
                         "PDF: each cell's side on paper in millimetres, 1 to 50 (default 5). "
                         "The first sheet shows the whole map with the grid of the sheets; "
                         "neighbouring sheets overlap, with crop marks and each sheet's row "
                         "and column in its margin.")) {}

    // Reads them into `picture`: the format from --format, else from `outputName`.
    std::optional<UsageError> read(const CommandParser& p, const std::string& outputName,
                                   PictureChoice& picture) const {
        picture.file.format = formatForName(outputName).value_or(PictureFormat::Png);
        if (std::optional<UsageError> error = readValued(p,
                                                         {{&show, PictureOption::Show},
                                                          {&scale, PictureOption::Scale},
                                                          {&dpi, PictureOption::Dpi},
                                                          {&format, PictureOption::Format},
                                                          {&paper, PictureOption::Paper},
                                                          {&cellMm, PictureOption::CellMm}},
                                                         picture)) {
            return error;
        }
        return usageErrorOf(formatsMismatch(picture.file.format, p.isSet(scale),
                                            p.isSet(paper) || p.isSet(cellMm)));
    }
    bool anySet(const CommandParser& p) const {
        return p.isSet(show) || p.isSet(scale) || p.isSet(dpi) || p.isSet(format) ||
               p.isSet(paper) || p.isSet(cellMm);
    }

    QCommandLineOption show, scale, dpi, format, paper, cellMm;
};

const char* const kExitStatus =
    "\nExit status: 0 done, 1 a check, a source or the output failed (nothing is written\n"
    "then, an existing OUT or IMAGE stays as it was), 2 usage error.\n";

ParsedCommand parseMerge(const std::vector<std::string>& arguments) {
    CommandParser p("merge", "Joins 2 to 8 map panels of one map set into one new map file.");
    p.optionsEndAtFirstArgument();
    const CompositionOptions composition(p);
    const QCommandLineOption outputOption = p.value("output", "OUT", "The new map file.");
    const QCommandLineOption imageOption =
        p.value("image", "IMAGE",
                "Also draws the joined map into IMAGE (PNG, or PDF for a name ending in "
                ".pdf), with its labels, the seams between the panels and the fix-up "
                "highlight, in the colours of the legend.txt beside the first SOURCE. The "
                "picture is drawn from the map as written, and the map and the picture are "
                "saved together or not at all. IMAGE may not be OUT, a SOURCE, or anything "
                "but a regular file.");
    p.flag("labels",
           "'--labels all' draws every label's text on IMAGE; without it a text that "
           "would overlap an earlier one is left out and only its dot shows.");
    p.flagTakesWord("labels", "all");
    const QCommandLineOption noLabelsOption =
        p.flag("no-labels", "IMAGE: leaves the map's labels out.");
    const QCommandLineOption noFixUpsOption =
        p.flag("no-fix-ups",
               "IMAGE: leaves out the highlight (a magenta tint and frame) on the cells of layer "
               "b that the junction fix-up changed where L and R marked panels meet.");
    const QCommandLineOption seamMarksOption =
        p.flag("seam-marks",
               "IMAGE: marks in cyan the edge cells of features that do not meet across a "
               "seam, as 'check' finds them with the legend.txt beside the first SOURCE.");
    const PictureFileOptionSet pictureOptions(p);
    const QCommandLineOption setupOption =
        p.value("save-setup", "SETUP",
                "Also writes this command line's composition into the setup file SETUP "
                "(before the merge, whatever its outcome), for 'run' or the dialogs.");
    composition.sourcesArgument(p);
    p.epilogue(kExitStatus);
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
        return UsageError{"missing --output"};
    }

    MergeCommand command;
    command.request.layout = std::get<Layout>(layout);
    command.outputPath = argumentBytes(*output);
    command.picture.labels = p.isSet(noLabelsOption) ? LabelMode::None
                             : p.wordGiven()         ? LabelMode::All
                                                     : LabelMode::Placed;
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
        return UsageError{"picture options need --image"};
    }
    if (const std::optional<QString> setup = p.valueOf(setupOption)) {
        command.setupPath = argumentBytes(*setup);
        if (setup->isEmpty() ||
            namesAnyOf(*command.setupPath, command.outputPath, command.imagePath, sources)) {
            return UsageError{
                "--save-setup must name a file other than OUT, IMAGE and the "
                "SOURCEs"};
        }
    }
    if (std::optional<UsageError> error = composition.read(p, sources, command.request)) {
        return *error;
    }
    return command;
}

ParsedCommand parseList(const std::vector<std::string>& arguments) {
    CommandParser p("list",
                    "Prints the map files the dialogs offer for a map set, one per line, "
                    "tab-separated: name, L/R mark (- for none), number label, size "
                    "LENGTHxHEIGHT or why the file cannot be used, and the folder it was found "
                    "in. In names, labels and folders a backslash, tab, line feed and carriage "
                    "return are written \\\\, \\t, \\n and \\r, every other control byte and "
                    "every byte that is not UTF-8 \\xHH, so that each line has exactly five "
                    "fields.");
    const QCommandLineOption mapSetOption =
        p.value("map-set", "SET", "ironfall (default) or emberline.");
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    if (!p.positional().isEmpty()) {
        return UsageError{"list takes no arguments"};
    }
    ListCommand command;
    if (const std::optional<QString> mapSetText = p.valueOf(mapSetOption)) {
        const std::optional<int> mapSet = parseMapSet(*mapSetText);
        if (!mapSet) {
            return UsageError{"unknown map set '" + mapSetText->toStdString() + "' (" +
                              messages::mapSetChoices() + ")"};
        }
        command.mapSetIndex = *mapSet;
    }
    return command;
}

ParsedCommand parseRender(const std::vector<std::string>& arguments) {
    CommandParser p("render",
                    "Draws a map file into a PNG picture, or a PDF to print: one square per "
                    "cell of the first grid, the second grid or a layer drawn over the faded "
                    "first grid, in the colours of the legend.txt beside the map, if any.");
    const QCommandLineOption labelsOption =
        p.flag("labels",
               "Draws the map's labels; a text that would overlap an earlier one is left out "
               "and only its dot shows. '--labels all' draws every text.");
    const QCommandLineOption seamsOption =
        p.flag("seams", "Draws lines between the panels of --panel cells.");
    const QCommandLineOption panelOption =
        p.value("panel", "LENGTHxHEIGHT", "The size in cells of the joined panels, e.g. 32x20.");
    const PictureFileOptionSet pictureOptions(p);
    const QCommandLineOption outputOption =
        p.value("output", "OUT",
                "The picture to write (PNG, or PDF for a name ending in .pdf); not MAP, nor "
                "anything but a regular file.");
    p.flagTakesWord("labels", "all");
    p.argument("MAP", "The map file to draw.", "MAP");
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    const QStringList maps = p.positional();
    if (maps.size() != 1) {
        return UsageError{"render takes one map file, not " + std::to_string(maps.size())};
    }
    const std::optional<QString> output = p.valueOf(outputOption);
    if (!output || output->isEmpty()) {
        return UsageError{"missing --output"};
    }
    RenderCommand command;
    command.mapPath = argumentBytes(maps.front());
    command.outputPath = argumentBytes(*output);
    command.picture.labels = p.wordGiven()           ? LabelMode::All
                             : p.isSet(labelsOption) ? LabelMode::Placed
                                                     : LabelMode::None;
    command.picture.seams = p.isSet(seamsOption);
    if (std::optional<UsageError> error =
            pictureOptions.read(p, command.outputPath, command.picture)) {
        return *error;
    }
    if (std::optional<UsageError> error =
            readValued(p, {{&panelOption, PictureOption::Panel}}, command.picture)) {
        return *error;
    }
    return command;
}

ParsedCommand parseRun(const std::vector<std::string>& arguments) {
    CommandParser p("run",
                    "Joins the map of each setup file in turn (and draws its picture, if the "
                    "setup names one), printing one line per setup. A setup that fails does not "
                    "stop the others. Paths in a setup are read from the setup's folder; a setup "
                    "that names no output map writes NAME.map beside NAME.pwsetup. A setup writes "
                    "only a map (.map) and a picture (.png or .pdf), only inside its own folder, "
                    "and no setup of a run writes what another one "
                    "writes or reads; the run is checked as a whole before anything is written.");
    p.optionsEndAtFirstArgument();
    const QCommandLineOption dryRunOption =
        p.flag("dry-run",
               "Runs every check of every setup, names the files each would write, and writes "
               "nothing.");
    const QCommandLineOption allowOutsideOption =
        p.flag("allow-outside",
               "Lets a setup write its map and picture outside its own folder. Without it, such "
               "a setup is refused: a setup from someone else must not write where it likes.");
    p.argument("SETUP",
               "Setup files (.pwsetup), as the dialogs' Save Setup and "
               "'merge --save-setup' write them. Options go first: every argument after "
               "the first SETUP is a SETUP.",
               "SETUP...");
    p.epilogue("\nExit status: 0 every setup succeeded, 1 any failed, 2 usage error.\n");
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
        return UsageError{"run takes one or more setup files"};
    }
    return command;
}

ParsedCommand parseCheck(const std::vector<std::string>& arguments) {
    CommandParser p(
        "check",
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
        "composition is checked in turn, its lines after a line \"setup SETUP\".");
    p.optionsEndAtFirstArgument();
    const CompositionOptions composition(p);
    CompositionOptions::sourcesArgument(p);
    p.epilogue(
        "\nExit status: 0 every panel is sound and every seam meets, 1 a slot cannot be joined, "
        "a seam does not meet or nothing was compared (no legend, or one that marks no "
        "feature), 2 usage error.\n");
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    const std::vector<std::string> sources = CompositionOptions::sources(p);
    CheckCommand command;
    if (!composition.layoutGiven(p)) {
        if (composition.anyGiven(p)) {
            return UsageError{"--map-set, --direction and --marks need --layout"};
        }
        if (sources.empty() || std::find(sources.begin(), sources.end(), "") != sources.end()) {
            return UsageError{"check takes --layout and the SOURCEs, or one or more setup files"};
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
    parser.setApplicationDescription(
        q("Boardsmith's merge engine for scripts: joins 2 to 8 geomorphic map panels of one map "
          "set into one new map file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        q("command"),
        q("merge: joins map panels into a new map file; run: joins the maps of setup files; "
          "check: tells where the panels of a composition do not meet; "
          "list: the map files the dialogs offer; render: draws a map file into a PNG picture "
          "or a PDF to print. "
          "'panelwright-cli COMMAND --help' tells a command's options."),
        q("COMMAND [options] ..."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QStringList list{q(kProgramName)};
    for (const std::string& argument : arguments) {
        list.append(argumentText(argument));
    }
    if (!parser.parse(list)) {
        return UsageError{"unknown command '" + arguments.front() + "'; try '" + kProgramName +
                          " --help'"};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return VersionRequest{};
    }
    if (asksForHelp(parser) || arguments.front() == "help") {
        return HelpRequest{CommandParser::helpText(parser, kProgramName) + kExitStatus};
    }
    return UsageError{"unknown command '" + arguments.front() + "'; try '" + kProgramName +
                      " --help'"};
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return UsageError{std::string("missing command; try '") + kProgramName + " --help'"};
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
