#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include "core/assembly/layout.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_set.h"

namespace pw::cli {

const char* const kUsage =
    "usage: panelwright-cli merge --layout top-to-bottom|end-to-end|composite\n"
    "                             [--map-set ironfall|emberline]          (default ironfall)\n"
    "                             [--direction N|NE|E|SE|S|SW|W|NW|0..7]  (default N)\n"
    "                             [--marks MARKS] [--image IMAGE.png [--labels all]]\n"
    "                             --output OUT  SOURCE...\n"
    "       panelwright-cli list [--map-set ironfall|emberline]\n"
    "       panelwright-cli render [--show first|second|LETTER] [--labels [all]]\n"
    "                              [--seams [--panel LENGTHxHEIGHT]] [--scale PX]\n"
    "                              --output OUT.png MAP\n"
    "       panelwright-cli --help | --version\n"
    "\n"
    "merge joins 2 to 8 map panels of one map set into one new map file.\n"
    "  SOURCEs in slot order: top-to-bottom top first (2 to 4), end-to-end left first\n"
    "  (2 or 3), composite row by row, left before right (4, 6 or 8). An empty SOURCE\n"
    "  (\"\") is a slot with nothing chosen.\n"
    "  --marks gives one L/R mark per source (L, R or - for none), e.g. --marks L-R-;\n"
    "  without it the marks come from the file names, as in the dialogs.\n"
    "  --image also draws the joined map into IMAGE.png, with its seams.\n"
    "list prints the map files the dialogs offer for a map set, one per line, tab-separated:\n"
    "  name, L/R mark (- for none), number label, size LENGTHxHEIGHT or why the file\n"
    "  cannot be used, and the folder it was found in.\n"
    "render draws a map file into a PNG picture: one square of PX pixels (default 4) per\n"
    "  cell of the first grid, the second grid or a layer drawn over the first grid,\n"
    "  with its labels and the seams between panels of LENGTHxHEIGHT cells if asked\n"
    "  (--image draws the seams of the merged panels). The colours come from the\n"
    "  legend.txt beside the map (beside the first SOURCE for --image), if any.\n"
    "  A label whose text would overlap an earlier one shows only its dot; --labels all\n"
    "  draws every label.\n"
    "Exit status: 0 done, 1 a check, a source or the output failed (nothing is written\n"
    "then, an existing OUT stays as it was), 2 usage error.\n";

namespace {

QString q(const char* text) {
    return QString::fromLatin1(text);
}

std::optional<int> parseDirection(const QString& text) {
    bool isNumber = false;
    const int index = text.toInt(&isNumber);
    if (isNumber && text.size() == 1 && index >= 0 &&
        index < static_cast<int>(kDirectionNames.size())) {
        return index;
    }
    for (std::size_t i = 0; i < kDirectionNames.size(); ++i) {
        if (text.compare(QString::fromLatin1(kDirectionNames[i].data(),
                                             static_cast<qsizetype>(kDirectionNames[i].size())),
                         Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> parseMapSet(const QString& text) {
    for (int i = 0; i < kMapSetCount; ++i) {
        if (text.compare(q(mapSetInfo(i)->name), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

std::string mapSetChoices() {
    std::string names;
    for (int i = 0; i < kMapSetCount; ++i) {
        names += (i == 0                  ? ""
                  : i + 1 == kMapSetCount ? " or "
                                          : ", ") +
                 q(mapSetInfo(i)->name).toLower().toStdString();
    }
    return names;
}

std::string layoutChoices() {
    std::string names;
    for (std::size_t i = 0; i < kLayoutRules.size(); ++i) {
        names += (i == 0                         ? ""
                  : i + 1 == kLayoutRules.size() ? " or "
                                                 : ", ") +
                 std::string(kLayoutRules[i].name);
    }
    return names;
}

// "2 to 4", "2 or 3", "4, 6 or 8".
std::string countChoices(const CountRange& counts) {
    if (counts.step == 1 && counts.last - counts.first > 1) {
        return std::to_string(counts.first) + " to " + std::to_string(counts.last);
    }
    std::string text;
    for (int count = counts.first; count <= counts.last; count += counts.step) {
        text += (count == counts.first  ? ""
                 : count == counts.last ? " or "
                                        : ", ") +
                std::to_string(count);
    }
    return text;
}

std::string baseName(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

// "--labels all" (or "--labels=all") asks for every label, overlapping or not. The parser
// knows no option whose value may be left out, so the word is taken out beforehand.
bool takeLabelsAll(std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size() && arguments[i] != "--"; ++i) {
        if (arguments[i] == "--labels=all") {
            arguments[i] = "--labels";
            return true;
        }
        if (arguments[i] == "--labels" && i + 1 < arguments.size() && arguments[i + 1] == "all") {
            arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return true;
        }
    }
    return false;
}

// The options one command takes; every command also takes --help.
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{q("help")};

    explicit Parser(std::initializer_list<QCommandLineOption> options) {
        parser.addOption(help);
        for (const QCommandLineOption& option : options) {
            parser.addOption(option);
        }
    }

    // nullopt when the arguments parse; otherwise what to answer.
    std::optional<ParsedCommand> parse(const std::vector<std::string>& arguments) {
        QStringList list{q("panelwright-cli")};
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            list.append(QString::fromStdString(arguments[i]));
        }
        if (!parser.parse(list)) {
            return UsageError{parser.errorText().toStdString()};
        }
        if (parser.isSet(help)) {
            return HelpRequest{};
        }
        return std::nullopt;
    }

    std::optional<QString> value(const QCommandLineOption& option) const {
        if (!parser.isSet(option)) {
            return std::nullopt;
        }
        return parser.value(option);
    }
};

QCommandLineOption valueOption(const char* name) {
    return QCommandLineOption(q(name), QString(), q("value"));
}

ParsedCommand parseMerge(std::vector<std::string> arguments) {
    const bool allLabels = takeLabelsAll(arguments);
    const QCommandLineOption layoutOption = valueOption("layout");
    const QCommandLineOption mapSetOption = valueOption("map-set");
    const QCommandLineOption directionOption = valueOption("direction");
    const QCommandLineOption marksOption = valueOption("marks");
    const QCommandLineOption outputOption = valueOption("output");
    const QCommandLineOption imageOption = valueOption("image");
    const QCommandLineOption labelsOption(q("labels"));  // labels are drawn in any case
    Parser p{layoutOption, mapSetOption,  directionOption, marksOption,
             outputOption, imageOption, labelsOption};
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    std::vector<std::string> sources;
    for (const QString& source : p.parser.positionalArguments()) {
        sources.push_back(source.toStdString());
    }
    const std::optional<QString> layoutText = p.value(layoutOption);
    if (!layoutText) {
        return UsageError{"missing --layout (" + layoutChoices() + ")"};
    }
    const std::optional<Layout> layout = layoutFromName(layoutText->toStdString());
    if (!layout) {
        return UsageError{"unknown layout '" + layoutText->toStdString() + "' (" + layoutChoices() +
                          ")"};
    }
    if (!shapeFor(*layout, static_cast<int>(sources.size()))) {
        return UsageError{std::string(layoutName(*layout)) + " takes " +
                          countChoices(countRange(*layout)) + " sources, not " +
                          std::to_string(sources.size())};
    }
    const std::optional<QString> output = p.value(outputOption);
    if (!output || output->isEmpty()) {
        return UsageError{"missing --output"};
    }

    MergeCommand command;
    command.request.layout = *layout;
    command.outputPath = output->toStdString();
    command.allLabels = allLabels;
    if (const std::optional<QString> image = p.value(imageOption)) {
        command.imagePath = image->toStdString();
    }
    if (const std::optional<QString> mapSetText = p.value(mapSetOption)) {
        const std::optional<int> mapSet = parseMapSet(*mapSetText);
        if (!mapSet) {
            return UsageError{"unknown map set '" + mapSetText->toStdString() + "' (" +
                              mapSetChoices() + ")"};
        }
        command.request.mapSetIndex = *mapSet;
    }
    if (const std::optional<QString> directionText = p.value(directionOption)) {
        const std::optional<int> direction = parseDirection(*directionText);
        if (!direction) {
            return UsageError{"unknown direction '" + directionText->toStdString() +
                              "' (N, NE, E, SE, S, SW, W, NW or 0 to 7)"};
        }
        command.request.direction = *direction;
    }
    const std::optional<QString> marks = p.value(marksOption);
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
        slot.name = sources[i];
        slot.path = sources[i];
        if (marks) {
            const char mark = marks->at(static_cast<qsizetype>(i)).toLatin1();
            slot.mark = mark == '-' ? ' ' : mark;
        } else if (!sources[i].empty()) {
            slot.mark = parseMapFileName(baseName(sources[i])).mark;
        }
        command.request.slots.push_back(std::move(slot));
    }
    return command;
}

ParsedCommand parseList(const std::vector<std::string>& arguments) {
    const QCommandLineOption mapSetOption = valueOption("map-set");
    Parser p{mapSetOption};
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        return UsageError{"list takes no arguments"};
    }
    ListCommand command;
    if (const std::optional<QString> mapSetText = p.value(mapSetOption)) {
        const std::optional<int> mapSet = parseMapSet(*mapSetText);
        if (!mapSet) {
            return UsageError{"unknown map set '" + mapSetText->toStdString() + "' (" +
                              mapSetChoices() + ")"};
        }
        command.mapSetIndex = *mapSet;
    }
    return command;
}

ParsedCommand parseRender(std::vector<std::string> arguments) {
    const bool allLabels = takeLabelsAll(arguments);
    const QCommandLineOption showOption = valueOption("show");
    const QCommandLineOption labelsOption(q("labels"));
    const QCommandLineOption seamsOption(q("seams"));
    const QCommandLineOption panelOption = valueOption("panel");
    const QCommandLineOption scaleOption = valueOption("scale");
    const QCommandLineOption outputOption = valueOption("output");
    Parser p{showOption, labelsOption, seamsOption, panelOption, scaleOption, outputOption};
    if (auto answer = p.parse(arguments)) {
        return *answer;
    }
    const QStringList maps = p.parser.positionalArguments();
    if (maps.size() != 1) {
        return UsageError{"render takes one map file, not " + std::to_string(maps.size())};
    }
    const std::optional<QString> output = p.value(outputOption);
    if (!output || output->isEmpty()) {
        return UsageError{"missing --output"};
    }
    RenderCommand command;
    command.mapPath = maps.front().toStdString();
    command.outputPath = output->toStdString();
    command.picture.labels = p.parser.isSet(labelsOption);
    command.picture.allLabels = allLabels;
    command.picture.seams = p.parser.isSet(seamsOption);
    if (const std::optional<QString> show = p.value(showOption)) {
        const bool layer = show->size() == 1 && show->at(0) >= u'a' && show->at(0) <= u'w';
        if (*show != q("first") && *show != q("second") && !layer) {
            return UsageError{"unknown --show '" + show->toStdString() +
                              "' (first, second or a layer letter a to w)"};
        }
        command.picture.show = show->toStdString();
    }
    if (const std::optional<QString> panel = p.value(panelOption)) {
        const QStringList sides = panel->split(u'x');
        bool lengthRead = false;
        bool heightRead = false;
        if (sides.size() == 2) {
            command.picture.panelLength = sides[0].toInt(&lengthRead);
            command.picture.panelHeight = sides[1].toInt(&heightRead);
        }
        if (!lengthRead || !heightRead || command.picture.panelLength < 1 ||
            command.picture.panelHeight < 1) {
            return UsageError{"--panel takes LENGTHxHEIGHT in cells, such as 32x20"};
        }
    }
    if (const std::optional<QString> scale = p.value(scaleOption)) {
        bool isNumber = false;
        command.picture.scale = scale->toInt(&isNumber);
        if (!isNumber || command.picture.scale < 1 || command.picture.scale > 64) {
            return UsageError{"--scale takes a whole number of pixels from 1 to 64"};
        }
    }
    return command;
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return UsageError{"missing command; try 'panelwright-cli --help'"};
    }
    const std::string& command = arguments[0];
    if (command == "--help" || command == "-h" || command == "help") {
        return HelpRequest{};
    }
    if (command == "--version") {
        return VersionRequest{};
    }
    if (command == "merge") {
        return parseMerge(arguments);
    }
    if (command == "list") {
        return parseList(arguments);
    }
    if (command == "render") {
        return parseRender(arguments);
    }
    return UsageError{"unknown command '" + command + "'; try 'panelwright-cli --help'"};
}

}  // namespace pw::cli
