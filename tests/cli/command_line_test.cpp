// The command line as the option parser reads it (command_lines.tsv): what each accepted
// form asks for, and that each wrong form is a usage error naming what is wrong. Whole runs
// of the program are the golden cases below.
//
// They run panelwright-cli on every case folder below tests/golden and compare what it did
// with the folder's expected/ files. A case folder holds its sources, an `args` file (one
// argument a line, an empty line for an empty argument) and expected/: `exit`, `stdout`,
// `stderr` and every file the run must leave: a map with its bytes, a PNG picture decoded
// (format, resolution and every pixel), a PDF as its page count and page size ("pages N",
// "size WxH" in points). A `modes` file ("0555 locked", one path a line) sets permissions;
// such a case runs as the user "nobody" when the tests run as root, from a copy of the
// program every user may reach. A `setup` file makes what git cannot hold, one a line:
// "fifo NAME", "link NAME TARGET", "limit BYTES" (the largest file the run may write).

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QImage>
#include <csignal>
#include <fstream>

#include "cli/cli_options.h"
#include "test_support.h"

namespace fs = std::filesystem;
using pw::test::readFile;

namespace {

// A picture's section, then its file: "first png 0 a4 5" (format, dpi, paper, cell mm).
std::string pictureTold(const pw::cli::PictureOptions& picture) {
    const std::string show = picture.section == pw::RenderSection::FirstGrid    ? "first"
                             : picture.section == pw::RenderSection::SecondGrid ? "second"
                                                                                : std::string(1, picture.layer);
    const pw::PictureFileOptions& file = picture.file;
    return show + " " + (file.format == pw::PictureFormat::Pdf ? "pdf " : "png ") +
           std::to_string(file.dpi) + " " + std::string(pw::paperInfo(file.print.paper).name) +
           " " + QString::number(file.print.cellMm).toStdString();
}

// What a parse asks for: "error: " and the message, "help", "version", "list MAPSET",
// "render MAP OUT labels seams scale PICTURE", or "LAYOUT MAPSET DIRECTION OUT IMAGE
// [labels fix-ups scale PICTURE] | name:mark..."
std::string told(const pw::cli::ParsedCommand& parsed) {
    using namespace pw::cli;
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return "error: " + error->message;
    }
    if (const auto* list = std::get_if<ListCommand>(&parsed)) {
        return "list " + std::to_string(list->mapSetIndex);
    }
    if (const auto* render = std::get_if<RenderCommand>(&parsed)) {
        const PictureOptions& picture = render->picture;
        return "render " + render->mapPath + " " + render->outputPath + " " +
               std::to_string(picture.labels) + std::to_string(picture.seams) + " " +
               std::to_string(picture.scale) + " " + pictureTold(picture);
    }
    if (const auto* merge = std::get_if<MergeCommand>(&parsed)) {
        std::string text = std::string(pw::layoutName(merge->request.layout)) + " " +
                           std::to_string(merge->request.mapSetIndex) + " " +
                           std::to_string(merge->request.direction) + " " + merge->outputPath +
                           " " + merge->imagePath.value_or("-") + " |";
        if (merge->imagePath) {
            const PictureOptions& picture = merge->picture;
            text.insert(text.size() - 1, "[" + std::to_string(picture.labels) +
                                             std::to_string(picture.fixUps) + " " +
                                             std::to_string(picture.scale) + " " +
                                             pictureTold(picture) + "] ");
        }
        for (const pw::SourceSlot& slot : merge->request.slots) {
            text += " " + slot.name + (slot.path == slot.name ? ":" : "?") +
                    (slot.mark == ' ' ? '_' : slot.mark);
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

// The picture's format (palette or not), resolution and pixels, or why they differ.
std::string pictureDifference(const fs::path& made, const fs::path& expected) {
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

// Makes what the case's `setup` file asks for; the names made.
std::vector<fs::path> setUp(const fs::path& source, const fs::path& work, rlim_t& limit) {
    std::vector<fs::path> made;
    std::ifstream setup(source / "setup");
    for (std::string kind, name; setup >> kind >> name;) {
        if (kind == "limit") {
            limit = std::stoul(name);
            continue;
        }
        made.emplace_back(name);
        if (kind == "fifo") {
            EXPECT_EQ(::mkfifo((work / name).c_str(), 0644), 0) << name;
        } else {
            std::string target;
            setup >> target;
            fs::create_symlink(target, work / name);
        }
    }
    return made;
}

// Runs `command` with files limited to `limit` bytes: a write beyond fails as on a full
// disk, with the system's own reason.
int runLimited(const std::string& command, rlim_t limit) {
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

class GoldenCase : public testing::TestWithParam<fs::path> {};

TEST_P(GoldenCase, MatchesExpectedFiles) {
    const fs::path& source = GetParam();
    const fs::path expected = source / "expected";
    pw::test::TempFolder work;
    for (const auto& entry : fs::directory_iterator(source)) {
        const fs::path name = entry.path().filename();
        if (name != "expected" && name != "args" && name != "modes" && name != "setup") {
            fs::copy(entry.path(), work.path() / name, fs::copy_options::recursive);
        }
    }
    const std::string cd = "cd " + shellWord(work.path().string()) + " && ";
    rlim_t limit = RLIM_INFINITY;
    const std::vector<fs::path> madeBySetup = setUp(source, work.path(), limit);
    std::string command = shellWord(PANELWRIGHT_CLI_PATH);
    if (std::ifstream modes(source / "modes"); modes) {
        for (std::string mode, path; modes >> mode >> path;) {
            fs::permissions(work.path() / path, fs::perms(std::stoi(mode, nullptr, 8)));
        }
        fs::permissions(work.path(), fs::perms(0755));
        if (::geteuid() == 0) {
            fs::copy_file(PANELWRIGHT_CLI_PATH, work.path() / ".program");
            command = "setpriv --reuid=65534 --regid=65534 --clear-groups ./.program";
            if (std::system((cd + command + " --help >/dev/null 2>&1").c_str()) != 0) {
                GTEST_SKIP() << "no setpriv, or the temporary folder is out of reach of "
                                "\"nobody\": the tests run as root, so permissions bind no run";
            }
        }
    }
    std::ifstream args(source / "args");
    for (std::string argument; std::getline(args, argument);) {
        command += " " + shellWord(argument);
    }
    const int status = runLimited(cd + command + " >.stdout 2>.stderr", limit);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(std::to_string(WEXITSTATUS(status)) + "\n", readFile(expected / "exit"));
    EXPECT_EQ(readFile(work.path() / ".stdout"), readFile(expected / "stdout"));
    EXPECT_EQ(readFile(work.path() / ".stderr"), readFile(expected / "stderr"));
    for (const auto& entry : fs::recursive_directory_iterator(expected)) {
        const fs::path made = work.path() / fs::relative(entry.path(), expected);
        if (entry.is_regular_file() && entry.path().has_extension()) {
            ASSERT_TRUE(fs::exists(made)) << made << " was not written";
            if (made.extension() == ".png") {
                EXPECT_EQ(pictureDifference(made, entry.path()), "") << made;
            } else if (made.extension() == ".pdf") {
                EXPECT_EQ(pw::test::pdfSummary(readFile(made)), readFile(entry.path())) << made;
            } else {
                EXPECT_TRUE(readFile(made) == readFile(entry.path())) << made << " differs";
            }
        }
    }
    // Nothing else is left behind: no output of a failed run, no temporary file.
    for (const auto& entry : fs::recursive_directory_iterator(work.path())) {
        const fs::path name = entry.path().lexically_relative(work.path());
        EXPECT_TRUE(name == ".stdout" || name == ".stderr" || name == ".program" ||
                    fs::exists(source / name) || fs::exists(expected / name) ||
                    std::find(madeBySetup.begin(), madeBySetup.end(), name) != madeBySetup.end())
            << "stray file " << name;
    }
}

std::vector<fs::path> cases() {
    std::vector<fs::path> folders(fs::directory_iterator(PANELWRIGHT_GOLDEN_DIR), {});
    std::sort(folders.begin(), folders.end());
    return folders;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenCase, testing::ValuesIn(cases()), [](const auto& param) {
    std::string name = param.param.filename().string();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

}  // namespace
