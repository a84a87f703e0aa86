// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: what reaches Qt, what is opened and what is refused, read as
// a function and once by the program itself; the file opened as what it holds.
#include "gui/app/command_line.h"

#include <QDir>
#include <QProcess>

#include "core/common/version.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/app/start_file.h"
#include "gui/viewer/map_viewer.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

// The files of the folder the command lines are read in.
const std::vector<std::string> kFilesHere = {"-stylesheet=evil.map", "--reverse", "evil.map"};

// A command line and what comes of it: "qt: OPTIONS | file: FILE" for a start, else the
// exit status and the text.
struct CommandLineCase {
    std::vector<std::string> arguments;  // after the program's name
    std::string expected;
};

std::string outcomeOf(const std::variant<StartRequest, CommandLineAnswer>& read) {
    if (const auto* answer = std::get_if<CommandLineAnswer>(&read)) {
        return std::to_string(answer->status) + ": " + answer->text;
    }
    const auto& start = std::get<StartRequest>(read);
    std::string outcome = "qt:";
    for (std::size_t i = 1; i < start.qtArguments.size(); ++i) {
        outcome += ' ' + start.qtArguments[i];
    }
    return outcome + " | file: " + start.file.value_or("-");
}

// A folder of its own as the current one while it lives.
struct FolderHere {
    FolderHere() {
        for (const std::string& name : kFilesHere) {
            pw::test::writeFile(std::filesystem::path(dir.path().toStdString()) / name, "*{}");
        }
        QDir::setCurrent(dir.path());
    }
    ~FolderHere() { QDir::setCurrent(before); }
    QString before = QDir::currentPath();
    QTemporaryDir dir;
};

TEST(CommandLine, QtTakesItsOptionsOnlyWhereNoFileIsMeant) {
    const std::vector<CommandLineCase> cases = {
        {{}, "qt: | file: -"},
        {{"board.map"}, "qt: | file: board.map"},
        {{"-style", "fusion", "-reverse", "board.map"},
         "qt: -style fusion -reverse | file: board.map"},
        {{"--platform", "offscreen", "-style=fusion"},
         "qt: --platform offscreen -style=fusion | file: -"},
        // A value is the option's, whatever it looks like or names.
        {{"-stylesheet", "evil.map"}, "qt: -stylesheet evil.map | file: -"},
        {{"-style", "--reverse", "x"}, "qt: -style --reverse | file: x"},
        // After "--" or the first file, everything is a file.
        {{"--", "-stylesheet=evil.map"}, "qt: | file: -stylesheet=evil.map"},
        {{"-reverse", "--", "--"}, "qt: -reverse | file: --"},
        {{"a\xE9\xFF.map"}, "qt: | file: a\xE9\xFF.map"},
        {{"board.map", "-reverse"},
         "2: panelwright: one file at a time: -reverse is one too many; try 'panelwright "
         "--help'\n"},
        // An option-like name of a file here never becomes an option.
        {{"-stylesheet=evil.map"},
         "2: panelwright: -stylesheet=evil.map is the name of a file here; write "
         "./-stylesheet=evil.map to mean the file, or put the options before the files\n"},
        {{"-style", "fusion", "--reverse", "x.map"},
         "2: panelwright: --reverse is the name of a file here; write ./--reverse to mean the "
         "file, or put the options before the files\n"},
        // Qt would read any "-...-style=" as -style; the program knows its options by name.
        {{"-my-style=x.map"}, "2: panelwright: Unknown option 'my-style'.\n"},
        {{"-style"}, "2: panelwright: Missing value after '-style'.\n"},
        {{"-reverse=1"}, "2: panelwright: Unexpected value after '-reverse'.\n"},
        {{"-v", "board.map"}, "0: panelwright " + std::string(kVersion) + "\n"},
    };
    const FolderHere here;
    for (const CommandLineCase& each : cases) {
        std::vector<std::string> arguments = each.arguments;
        arguments.insert(arguments.begin(), "panelwright");
        EXPECT_EQ(outcomeOf(readCommandLine(arguments)), each.expected);
    }
    const auto help = std::get<CommandLineAnswer>(readCommandLine({"panelwright", "--help"}));
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.text.find("[FILE]"), std::string::npos) << help.text;
    EXPECT_EQ(help.text.find("stylesheet"), std::string::npos) << "Qt's options stay Qt's";
}

// The program itself refuses a file named like Qt's option, before any window, and every
// file stays as it was.
TEST(CommandLine, TheProgramRefusesAFileNamedLikeAStyleSheetOption) {
    const FolderHere here;
    QProcess program;
    program.setWorkingDirectory(here.dir.path());
    program.start(QStringLiteral(PANELWRIGHT_GUI_PATH), {QStringLiteral("-stylesheet=evil.map")});
    const bool ended = program.waitForFinished(20000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the program took the file as its style sheet and opened its window";
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(
        program.readAllStandardError().contains("-stylesheet=evil.map is the name of a file"));
    QStringList names;
    for (const std::string& name : kFilesHere) {
        names += QString::fromStdString(name);
    }
    names.sort();
    EXPECT_EQ(QDir(here.dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
    for (const QString& name : names) {
        QFile file(here.dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == "*{}")
            << name.toStdString();
    }
}

// A file on the command line and whether it opens in a viewer (else the setup's reader).
struct StartFile {
    const char* name;
    std::optional<std::string> content;  // nullopt: no such file
    bool viewed;
};

TEST(StartFile, AMapOpensInTheViewerAndASetupAsOneWhateverTheirNames) {
    const std::string map = pw::test::MapBuilder{}.text();
    const std::vector<StartFile> files = {
        {"board", map, true},
        {"board.pwsetup", map, true},
        {"setup.map", std::string("{\"format\": 1}"), false},
        {"setup", std::string("\xEF\xBB\xBF {}"), false},
        {"gone.pwsetup", std::nullopt, false},
        {"gone.map", std::nullopt, true},
    };
    for (const StartFile& file : files) {
        GuiTestBed bed;
        const QString path = bed.dir.filePath(QString::fromLatin1(file.name));
        if (file.content) {
            pw::test::writeFile(path.toStdString(), *file.content);
        }
        PanelwrightDialog dialog(bed.environment);
        openStartFile(path.toStdString(), bed.environment, dialog);
        EXPECT_EQ(dialog.findChild<MapViewer*>() != nullptr, file.viewed) << file.name;
        EXPECT_EQ(bed.prompts.errors.size(), file.viewed ? 0 : 1) << file.name;
    }
}

}  // namespace
}  // namespace pw::gui::test
