// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as the option parser reads it (command_lines.tsv): what each accepted
// form asks for, and that each wrong form is a usage error naming what is wrong. Whole runs
// of the program are the golden cases below.
//
// They run panelwright-cli on every case folder below tests/golden and compare what it did
// with the folder's expected/ files. A case folder holds its sources, an `args` file (one
// argument a line, an empty line for an empty argument) and expected/: `exit`, `stdout`,
// `stderr` and every file the run must leave: a map with its bytes, a PNG picture decoded
// (format, resolution and every pixel), a PDF as its pdfFingerprint() (pages, size in
// points, pictures on each page, digest); `modes` there ("0644 board.map", one path a line)
// holds the permissions the run must leave. A `limit` file holds the largest file the run may
// write, in bytes (a write beyond fails as on a full disk). A `modes`
// file ("0555 locked", one path a line) sets permissions; such a case runs as the user
// "nobody" when the tests run as root, from a copy of the program every user may reach.
// A `setup` file is a shell script run in the case's folder first, for what a checkout
// cannot hold (a fifo, a link, a name that is not UTF-8); its exit status 77 skips the case.
// Every run must end within seconds.

#include <gtest/gtest.h>
#include <locale.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>

#include "cli/cli_options.h"
#include "core/common/path_bytes.h"
#include "core/mapfile/names.h"
#include "test_support.h"

namespace fs = std::filesystem;
using pw::test::readFile;

namespace {

// A picture file's options where they differ from the defaults: " pdf 300 letter 2.5"
// (format, dpi, paper, cell mm).
std::string fileTold(const pw::PictureFileOptions& file) {
    const pw::PictureFileOptions defaults;
    if (file.format == defaults.format && file.dpi == defaults.dpi &&
        file.print.paper == defaults.print.paper && file.print.cellMm == defaults.print.cellMm) {
        return {};
    }
    return std::string(file.format == pw::PictureFormat::Pdf ? " pdf " : " png ") +
           std::to_string(file.dpi) + " " + std::string(pw::paperInfo(file.print.paper).name) +
           " " + QString::number(file.print.cellMm).toStdString();
}

// What a parse asks for: "error: " and the message, "help", "version", "list MAPSET",
// "render MAP OUT show labels(A: all) seams scale", "run [dry] SETUP...", or
// "LAYOUT MAPSET DIRECTION OUT IMAGE(+all) | name:mark... [setup SETUP]"
std::string told(const pw::cli::ParsedCommand& parsed) {
    using namespace pw::cli;
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return "error: " + error->message;
    }
    if (const auto* list = std::get_if<ListCommand>(&parsed)) {
        return "list " + std::to_string(static_cast<int>(list->mapSet));
    }
    if (const auto* render = std::get_if<RenderCommand>(&parsed)) {
        const pw::PictureChoice& picture = render->picture;
        const std::string show = picture.section == pw::RenderSection::FirstGrid ? "first"
                                 : picture.section == pw::RenderSection::SecondGrid
                                     ? "second"
                                     : std::string(1, picture.layer);
        return "render " + render->mapPath + " " + render->outputPath + " " + show + " " +
               (picture.labels == pw::LabelMode::All
                    ? "A"
                    : std::to_string(picture.labels == pw::LabelMode::Placed)) +
               std::to_string(picture.seams) + " " + std::to_string(picture.scale) +
               fileTold(picture.file);
    }
    if (const auto* merge = std::get_if<MergeCommand>(&parsed)) {
        std::string text = std::string(pw::layoutName(merge->request.layout)) + " " +
                           std::to_string(static_cast<int>(merge->request.mapSet)) + " " +
                           std::to_string(pw::directionIndex(merge->request.direction)) + " " +
                           merge->outputPath + " " + merge->imagePath.value_or("-") +
                           (merge->picture.labels == pw::LabelMode::All ? "+all" : "");
        const pw::PictureChoice& picture = merge->picture;
        const std::string file = fileTold(picture.file);
        const bool labels = picture.labels != pw::LabelMode::None;
        if (picture.section != pw::RenderSection::FirstGrid || !labels || !picture.fixUps ||
            picture.scale != pw::kDefaultCellSize || !file.empty()) {
            const std::string show =
                picture.section == pw::RenderSection::FirstGrid    ? std::string("first")
                : picture.section == pw::RenderSection::SecondGrid ? std::string("second")
                                                                   : std::string(1, picture.layer);
            text += " [" + show + " " + std::to_string(labels) + std::to_string(picture.fixUps) +
                    " " + std::to_string(picture.scale) + file + "]";
        }
        text += " |";
        for (const pw::SourceSlot& slot : merge->request.slots) {
            text += " " + slot.name + (slot.path == slot.name ? ":" : "?") +
                    (slot.mark ? pw::markLetter(*slot.mark) : '_');
        }
        return text + (merge->setupPath ? " setup " + *merge->setupPath : "");
    }
    if (const auto* check = std::get_if<CheckCommand>(&parsed)) {
        std::string text = "check";
        if (const std::optional<pw::MergeRequest>& request = check->request) {
            text += " " + std::string(pw::layoutName(request->layout)) + " " +
                    std::to_string(static_cast<int>(request->mapSet)) + " " +
                    std::to_string(pw::directionIndex(request->direction)) + " |";
            for (const pw::SourceSlot& slot : request->slots) {
                text += " " + slot.name + ":" + (slot.mark ? pw::markLetter(*slot.mark) : '_');
            }
        }
        for (const std::string& setup : check->setups) {
            text += " setup " + setup;
        }
        return text;
    }
    if (const auto* run = std::get_if<RunCommand>(&parsed)) {
        std::string text = run->dryRun ? "run dry" : "run";
        for (const std::string& setup : run->setups) {
            text += " " + setup;
        }
        return text;
    }
    if (std::holds_alternative<VersionRequest>(parsed)) {
        return "version";
    }
    // Help names the command it helps with.
    const auto& help = std::get<HelpRequest>(parsed).text;
    return help.starts_with("Usage: panelwright-cli merge ")    ? "help merge"
           : help.starts_with("Usage: panelwright-cli list ")   ? "help list"
           : help.starts_with("Usage: panelwright-cli render ") ? "help render"
           : help.starts_with("Usage: panelwright-cli run ")    ? "help run"
           : help.starts_with("Usage: panelwright-cli check ")  ? "help check"
           : help.starts_with("Usage: panelwright-cli ")        ? "help"
                                                                : "help without usage";
}

class CommandLine : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CommandLine, ReadsAsTheTableSays) {
    const std::vector<std::string>& row = GetParam();
    EXPECT_EQ(told(pw::cli::parseCommandLine(pw::test::words(row.at(0)))), row.at(1)) << row[0];
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLine,
                         testing::ValuesIn(pw::test::readTable(PANELWRIGHT_TEST_DATA
                                                               "/command_lines.tsv")),
                         [](const auto& row) {
                             // The row's number, then its words as far as a name may show them.
                             std::string name = std::to_string(row.index + 1);
                             for (char c : row.param.at(0)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

std::string shellWord(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// `list` as a script reads it: five tab-separated fields a line whatever the names hold,
// their bytes escaped, nothing that is not a regular file, and no wait on a fifo.
TEST(Listing, EveryLineHasFiveFieldsAndNothingWaits) {
    pw::test::TempFolder data;
    const fs::path folder = data.path() / "panelwright" / "Irfmaps";
    fs::create_directories(folder);
    for (const char* name : {"AB-01L\tx.map", "line\nbreak.map", "back\\slash.map", "\xE9.map"}) {
        pw::test::writeFile(folder / name, pw::test::MapBuilder{}.text());
    }
    ASSERT_EQ(::mkfifo((folder / "fifo.map").c_str(), 0600), 0);
    fs::create_symlink("fifo.map", folder / "fifo-link.map");
    // A map-set folder no user can read, of a later root: passed over, and said.
    const fs::path loop = data.path() / "system" / "panelwright" / "Irfmaps";
    fs::create_directories(loop.parent_path());
    fs::create_symlink("Irfmaps", loop);
    const std::string command = "XDG_DATA_HOME=" + shellWord(data.path().string()) +
                                " XDG_DATA_DIRS=" + shellWord(data.file("system")) +
                                " LC_ALL=C timeout 20 " + shellWord(PANELWRIGHT_CLI_PATH) +
                                " list >" + shellWord(data.file("out")) + " 2>" +
                                shellWord(data.file("err"));
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readFile(data.file("err")), "WARNING: map-set folder " + loop.string() +
                                              " cannot be read: Too many levels of symbolic "
                                              "links; its map files are not listed\n");
    std::istringstream lines(readFile(data.file("out")));
    std::string ours;  // the lines of the folder above, with @ for it
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
        if (line.ends_with("\t" + folder.string())) {
            ours += line.substr(0, line.size() - folder.string().size()) + "@\n";
        }
    }
    EXPECT_EQ(ours,
              "AB-01L\\tx.map\tL\t1\t4x2\t@\n"
              "back\\\\slash.map\t-\t-\t4x2\t@\n"
              "line\\nbreak.map\t-\t-\t4x2\t@\n"
              "\\xE9.map\t-\t-\tERROR: file name \\xE9.map is not valid UTF-8\t@\n");
}

// Output that cannot be written is a failure with its reason, whatever the command.
class FullOutput : public testing::TestWithParam<const char*> {};

TEST_P(FullOutput, IsAnErrorWithTheSystemsReason) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    pw::test::TempFolder work;
    pw::test::writeFile(work.path() / "A.map", pw::test::MapBuilder{}.text());
    const std::string command = "cd " + shellWord(work.path().string()) + " && LC_ALL=C " +
                                shellWord(PANELWRIGHT_CLI_PATH) + " " + GetParam() +
                                " >/dev/full 2>.stderr";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(readFile(work.path() / ".stderr"),
              "ERROR: unable to write standard output: No space left on device\n");
}

INSTANTIATE_TEST_SUITE_P(Commands, FullOutput,
                         testing::Values("--help", "--version", "list --help", "list",
                                         "merge --layout top-to-bottom --output o.map A.map A.map"),
                         [](const auto& row) { return "command" + std::to_string(row.index + 1); });

// --help names the program by its name wherever it was started from, a folder whose name
// holds a space too, with or without the Gui application that pictures need.
class HelpFromAnyFolder : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(HelpFromAnyFolder, NamesTheProgram) {
    pw::test::TempFolder work;
    const fs::path copy = work.path() / "my maps" / "panelwright-cli";
    fs::create_directories(copy.parent_path());
    fs::copy_file(PANELWRIGHT_CLI_PATH, copy);
    const std::string command = "LC_ALL=C " + shellWord(copy.string()) + " " + GetParam().first +
                                " >" + shellWord(work.file("out"));
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string help = readFile(work.file("out"));
    EXPECT_EQ(help.substr(0, help.find('\n')), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HelpFromAnyFolder,
    testing::Values(std::pair{"--help", "Usage: panelwright-cli [options] COMMAND [options] ..."},
                    std::pair{"list --help", "Usage: panelwright-cli list [options]"},
                    std::pair{"render --help", "Usage: panelwright-cli render [options] MAP"}),
    [](const auto& row) { return "command" + std::to_string(row.index + 1); });

// The picture's PNG colour type (3: a palette), resolution and pixels, or why they differ;
// the bytes that hold them may differ.
std::string pictureDifference(const fs::path& made, const fs::path& expected) {
    const auto colourType = [](const fs::path& png) {
        const std::string bytes = readFile(png);
        return bytes.size() > 25 ? int{static_cast<unsigned char>(bytes[25])} : -1;
    };
    if (colourType(made) != colourType(expected)) {
        return "PNG colour type " + std::to_string(colourType(made));
    }
    const QImage a(QString::fromStdString(made.string()));
    const QImage b(QString::fromStdString(expected.string()));
    if (a.isNull() || a.format() != b.format() || a.size() != b.size()) {
        return "not a picture of the expected format and size";
    }
    if (a.dotsPerMeterX() != b.dotsPerMeterX()) {
        return "resolution " + std::to_string(a.dotsPerMeterX()) + " dots per metre";
    }
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            if (left.pixel(x, y) != right.pixel(x, y)) {
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    return {};
}

// Runs `command` with files limited to the case's `limit` bytes, if it has one.
int runLimited(const std::string& command, const fs::path& source) {
    std::ifstream limitFile(source / "limit");
    rlim_t limit = RLIM_INFINITY;
    limitFile >> limit;
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = std::min(limit, before.rlim_max);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const int status = std::system(command.c_str());
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signal);
    return status;
}

// What one run of the program did.
struct Outcome {
    std::string exit, out, err;
    bool ran = true;                  // false: the case needs a user the tests cannot become
    std::vector<fs::path> made = {};  // what the case's setup script made
};

std::vector<std::string> argsOf(const fs::path& source) {
    std::vector<std::string> args;
    std::ifstream in(source / "args");
    for (std::string argument; std::getline(in, argument);) {
        args.push_back(argument);
    }
    return args;
}

// The locale a case runs in: its `env` file's lines ("LANG=de_DE.UTF-8"), else C, so that
// a developer's own language never changes what the program says.
std::string localeOf(const fs::path& source) {
    std::ifstream lines(source / "env");
    std::string assignments;
    for (std::string line; std::getline(lines, line);) {
        assignments += " " + shellWord(line);
    }
    return assignments.empty() ? " LC_ALL=C" : assignments;
}

// Runs the program with `args` in `work`, a copy of the case folder `source`, in the
// locale `assignments` set (the environment's own locale variables cleared); `modes` sets
// the case's permissions first.
Outcome runCase(const fs::path& source, const fs::path& work, const std::vector<std::string>& args,
                bool modes, const std::string& assignments) {
    for (const auto& entry : fs::directory_iterator(source)) {
        const fs::path name = entry.path().filename();
        if (name != "expected" && name != "args" && name != "modes" && name != "setup" &&
            name != "limit" && name != "env") {
            fs::copy(entry.path(), work / name, fs::copy_options::recursive);
        }
    }
    const std::string cd = "cd " + shellWord(work.string()) + " && ";
    if (fs::exists(source / "setup")) {
        // Exit status 77: the case cannot be made here (it needs root to plant another
        // user's file).
        const int made = std::system((cd + "sh " + shellWord((source / "setup").string())).c_str());
        if (WIFEXITED(made) && WEXITSTATUS(made) == 77) {
            return {"", "", "", false};
        }
        EXPECT_EQ(made, 0);
    }
    std::vector<fs::path> made(fs::recursive_directory_iterator(work), {});
    const std::string timeout = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_NUMERIC -u LANG" +
                                assignments + " timeout 20 ";
    std::string command = timeout + shellWord(PANELWRIGHT_CLI_PATH);
    if (std::ifstream modeLines(source / "modes"); modes && modeLines) {
        for (std::string mode, path; modeLines >> mode >> path;) {
            fs::permissions(work / path, fs::perms(std::stoi(mode, nullptr, 8)));
        }
        fs::permissions(work, fs::perms(0755));
        if (::geteuid() == 0) {
            fs::copy_file(PANELWRIGHT_CLI_PATH, work / ".program");
            command = timeout + "setpriv --reuid=65534 --regid=65534 --clear-groups ./.program";
            if (std::system((cd + command + " --help >/dev/null 2>&1").c_str()) != 0) {
                return {"", "", "", false};
            }
        }
    }
    for (const std::string& argument : args) {
        command += " " + shellWord(argument);
    }
    const int status = runLimited(cd + command + " >.stdout 2>.stderr", source);
    EXPECT_TRUE(WIFEXITED(status));
    return {std::to_string(WEXITSTATUS(status)) + "\n", readFile(work / ".stdout"),
            readFile(work / ".stderr"), true, std::move(made)};
}

// Every file of expected/ is in `work` (a map with its bytes, a picture as it decodes), and
// nothing else is left behind: no output of a failed run, no temporary file; `bySetup` is
// what the case's setup made.
void expectFiles(const fs::path& source, const fs::path& work, const std::vector<fs::path>& bySetup,
                 bool sheetWordsMayDiffer = false) {
    const fs::path expected = source / "expected";
    for (const auto& entry : fs::recursive_directory_iterator(expected)) {
        const fs::path made = work / fs::relative(entry.path(), expected);
        const fs::path name = entry.path().filename();
        if (entry.is_regular_file() &&
            (entry.path().parent_path() != expected ||
             (name != "exit" && name != "stdout" && name != "stderr" && name != "modes"))) {
            ASSERT_TRUE(fs::exists(made)) << made << " was not written";
            // A PNG picture is compared by its pixels, whatever its name.
            if (made.extension() == ".png" || readFile(entry.path()).starts_with("\x89PNG")) {
                EXPECT_EQ(pictureDifference(made, entry.path()), "") << made;
            } else if (made.extension() == ".pdf") {
                // A PDF's sheet captions are in the language shown: its digest with them.
                const auto withoutDigest = [&](const std::string& print) {
                    return sheetWordsMayDiffer ? print.substr(0, print.find("digest ")) : print;
                };
                EXPECT_EQ(withoutDigest(pw::test::pdfFingerprint(readFile(made))),
                          withoutDigest(readFile(entry.path())))
                    << made;
            } else {
                EXPECT_TRUE(readFile(made) == readFile(entry.path())) << made << " differs";
            }
        }
    }
    std::ifstream modeLines(expected / "modes");
    for (std::string mode, path; modeLines >> mode >> path;) {
        const auto bits = fs::status(work / path).permissions() & fs::perms::mask;
        EXPECT_EQ(bits, fs::perms(std::stoi(mode, nullptr, 8)))
            << path << " has mode " << std::oct << static_cast<int>(bits);
    }
    for (const auto& entry : fs::recursive_directory_iterator(work)) {
        const fs::path name = entry.path().lexically_relative(work);  // links not followed
        EXPECT_TRUE(name == ".stdout" || name == ".stderr" || name == ".program" ||
                    name.extension() == ".pwsetup" || fs::exists(source / name) ||
                    fs::exists(expected / name) ||
                    std::find(bySetup.begin(), bySetup.end(), entry.path()) != bySetup.end())
            << "stray file " << name;
    }
}

constexpr const char* kSkipAsRoot =
    "the case needs another user: no setpriv, the temporary folder is out of reach of "
    "\"nobody\", or the tests do not run as root";

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPeakMemoryTold = false;  // the sanitizers' own memory hides the program's
#else
constexpr bool kPeakMemoryTold = true;
#endif

// A panel of 4 by 2 cells whose first row runs on for a GiB of NUL bytes (a sparse file,
// taking no disk), named twice: each command refuses it at the first byte past the
// length, at once and holding no more than a bounded part of the row.
TEST(RowLimits, AGibibyteRowIsRefusedAtOnceInLittleMemory) {
    pw::test::TempFolder folder;
    const std::string header = "1\r\n4 2 100\r\nv\r\n0 4\r\nabcd";
    pw::test::writeFile(folder.file("HUGE.map"), header);
    fs::resize_file(folder.file("HUGE.map"), header.size() + (std::uintmax_t{1} << 30));
    pw::test::writeFile(
        folder.file("twice.pwsetup"),
        R"({"format": 1, "layout": "end-to-end", "slots": )"
        R"([{"file": "HUGE.map", "mark": "none"}, {"file": "HUGE.map", "mark": "none"}]})");
    for (const std::string command :
         {"merge --layout end-to-end --output out.map HUGE.map HUGE.map", "run twice.pwsetup",
          "check --layout end-to-end HUGE.map HUGE.map", "render --output out.png HUGE.map"}) {
        const std::string line = "cd " + shellWord(folder.path().string()) + " && LC_ALL=C exec " +
                                 shellWord(PANELWRIGHT_CLI_PATH) + " " + command +
                                 " 2>.stderr >/dev/null";
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl("/bin/sh", "sh", "-c", line.c_str(), nullptr);
            ::_exit(127);
        }
        int status = 0;
        rusage usage{};
        ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command;
        EXPECT_NE(readFile(folder.path() / ".stderr")
                      .find("ERROR: file HUGE.map has a row longer than its length\n"),
                  std::string::npos)
            << command;
        EXPECT_LT(took.count(), 1.0) << command;
        EXPECT_TRUE(!kPeakMemoryTold || usage.ru_maxrss < 64 * 1024)
            << command << ": " << usage.ru_maxrss << " KiB at the peak";
        EXPECT_FALSE(fs::exists(folder.file("out.map")) || fs::exists(folder.file("out.png")) ||
                     fs::exists(folder.file("twice.map")));
    }
}

class GoldenCase : public testing::TestWithParam<fs::path> {};

TEST_P(GoldenCase, MatchesExpectedFiles) {
    const fs::path& source = GetParam();
    pw::test::TempFolder work;
    const Outcome outcome = runCase(source, work.path(), argsOf(source), true, localeOf(source));
    if (!outcome.ran) {
        GTEST_SKIP() << kSkipAsRoot;
    }
    EXPECT_EQ(outcome.exit, readFile(source / "expected" / "exit"));
    EXPECT_EQ(outcome.out, readFile(source / "expected" / "stdout"));
    EXPECT_EQ(outcome.err, readFile(source / "expected" / "stderr"));
    expectFiles(source, work.path(), outcome.made);
}

// The lines a script reads: every tab-separated line; the others are words for people,
// as many as their language takes.
std::string fieldLines(const std::string& text) {
    std::istringstream lines(text);
    std::string fields;
    for (std::string line; std::getline(lines, line);) {
        if (line.find('\t') != std::string::npos) {
            fields += line + "\n";
        }
    }
    return fields;
}

// Another language, numbers written its way too, changes only the words: the exit
// status, every file and every tab-separated line stay what they are under C.
class GoldenLocale : public testing::TestWithParam<std::tuple<fs::path, std::string>> {};

TEST_P(GoldenLocale, LeavesTheSameFilesAndFields) {
    const auto& [source, locale] = GetParam();
    const locale_t installed = ::newlocale(LC_ALL_MASK, locale.c_str(), locale_t{});
    ASSERT_TRUE(installed != locale_t{})
        << "the locale " << locale << " is missing here: scripts/install-deps.sh makes it";
    ::freelocale(installed);
    pw::test::TempFolder work;
    const Outcome outcome = runCase(source, work.path(), argsOf(source), true,
                                    " LANG=" + locale + " LC_NUMERIC=" + locale);
    if (!outcome.ran) {
        GTEST_SKIP() << kSkipAsRoot;
    }
    EXPECT_EQ(outcome.exit, readFile(source / "expected" / "exit"));
    EXPECT_EQ(fieldLines(outcome.out), fieldLines(readFile(source / "expected" / "stdout")));
    expectFiles(source, work.path(), outcome.made, true);
}

std::vector<fs::path> cases() {
    std::vector<fs::path> folders(fs::directory_iterator(PANELWRIGHT_GOLDEN_DIR), {});
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::string caseName(const testing::TestParamInfo<fs::path>& param) {
    std::string name = param.param.filename().string();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenCase, testing::ValuesIn(cases()), caseName);

// The cases that write files or tab-separated lines, in C unless they say otherwise.
std::vector<fs::path> writingCases() {
    std::vector<fs::path> writing;
    for (const fs::path& folder : cases()) {
        const std::vector<std::string> args = argsOf(folder);
        if (!args.empty() && !fs::exists(folder / "env") &&
            (args.front() == "merge" || args.front() == "run" || args.front() == "check" ||
             args.front() == "list")) {
            writing.push_back(folder);
        }
    }
    return writing;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenLocale,
                         testing::Combine(testing::ValuesIn(writingCases()),
                                          testing::Values("de_DE.UTF-8", "fr_FR.UTF-8")),
                         [](const auto& param) {
                             return caseName({std::get<0>(param.param), param.index}) + "_" +
                                    std::get<1>(param.param).substr(0, 2);
                         });

// Whether a merge writes only what a setup may: a map, and a PNG or PDF picture.
bool writesWhatASetupMay(const std::vector<std::string>& args) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view name = pw::fileNameOf(args[i]);
        if ((args[i - 1] == "--output" && !pw::hasSuffixIgnoringCase(name, pw::kMapSuffix)) ||
            (args[i - 1] == "--image" && !pw::hasSuffixIgnoringCase(name, ".png") &&
             !pw::hasSuffixIgnoringCase(name, ".pdf"))) {
            return false;
        }
    }
    return true;
}

// The golden merges that read their sources (no usage error), save no setup of their own,
// name every file as text (a setup holds names as text: one that is not UTF-8 is
// refused) and write what a setup may. A setup keeps the picture's options with its file.
std::vector<fs::path> mergeCases() {
    std::vector<fs::path> merges;
    for (const fs::path& folder : cases()) {
        const std::vector<std::string> args = argsOf(folder);
        if (!args.empty() && args.front() == "merge" && !fs::exists(folder / "env") &&
            readFile(folder / "expected" / "exit") != "2\n" &&
            std::find(args.begin(), args.end(), "--save-setup") == args.end() &&
            std::all_of(args.begin(), args.end(), pw::pathRoundTrips) &&
            writesWhatASetupMay(args)) {
            merges.push_back(folder);
        }
    }
    return merges;
}

// The setup that `merge --save-setup` writes, run by `run`, does what the merge did: the
// same messages, exit status and files, with run's one line instead of merge's. It is the
// user's own setup, so it may write where the merge wrote (a device, for one).
class GoldenMerge : public testing::TestWithParam<fs::path> {};

TEST_P(GoldenMerge, SavedSetupRunsAsTheMergeDid) {
    const fs::path& source = GetParam();
    std::vector<std::string> args = argsOf(source);
    const std::string exit = readFile(source / "expected" / "exit");
    pw::test::TempFolder saving, running;
    args.insert(args.begin() + 1, {"--save-setup", "case.pwsetup"});
    runCase(source, saving.path(), args, false, localeOf(source));
    fs::copy_file(saving.path() / "case.pwsetup", running.path() / "case.pwsetup");
    const Outcome outcome = runCase(
        source, running.path(), {"run", "--allow-outside", "case.pwsetup"}, true, localeOf(source));
    if (!outcome.ran) {
        GTEST_SKIP() << kSkipAsRoot;
    }
    EXPECT_EQ(outcome.exit, exit);
    EXPECT_EQ(outcome.out,
              std::string("case.pwsetup: ") +
                  (exit == "0\n" ? readFile(source / "expected" / "stdout") : "failed\n"));
    EXPECT_EQ(outcome.err, readFile(source / "expected" / "stderr"));
    expectFiles(source, running.path(), outcome.made);
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenMerge, testing::ValuesIn(mergeCases()), caseName);

}  // namespace
