#include "cli_runner.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "test_files.h"

namespace pw::test {

CliResult runCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                 bool asUnprivileged) {
    TempFolder capture;
    const std::string outPath = capture.file("stdout");
    const std::string errPath = capture.file("stderr");
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) {
            ::_exit(127);
        }
        constexpr uid_t kNobody = 65534;
        if (asUnprivileged && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(126);
        }
        if (::chdir(folder.c_str()) != 0) {
            ::_exit(127);
        }
        std::vector<char*> argv;
        std::string program = PANELWRIGHT_CLI_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies(arguments);
        for (std::string& argument : copies) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.standardOutput = readFile(outPath);
    result.standardError = readFile(errPath);
    return result;
}

}  // namespace pw::test
