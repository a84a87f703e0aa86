#include "core/composer/safe_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/mapfile/file_handle.h"

namespace pw {
namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the file that will really be replaced.
std::string resolveLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::vector<char> target(static_cast<std::size_t>(info.st_size) + 256);
        const ssize_t size = ::readlink(path.c_str(), target.data(), target.size());
        if (size < 0 || static_cast<std::size_t>(size) >= target.size()) {
            return path;
        }
        std::string next(target.data(), static_cast<std::size_t>(size));
        path = next.front() == '/' ? next : folderOf(path) + "/" + next;
    }
    return path;
}

unsigned defaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666U & ~static_cast<unsigned>(mask);
}

// The temporary file beside the target; removed unless it was committed.
class SafeOutput final : public OutputFile {
  public:
    SafeOutput(FileHandle file, std::string temporaryPath, std::string targetPath, unsigned mode)
        : file_(std::move(file)),
          temporaryPath_(std::move(temporaryPath)),
          targetPath_(std::move(targetPath)),
          mode_(mode) {}
    SafeOutput(const SafeOutput&) = delete;
    SafeOutput& operator=(const SafeOutput&) = delete;
    ~SafeOutput() override;

    bool write(const char* data, std::size_t size) override;
    // Syncs the temporary file and moves it onto the target; false on any failure,
    // which leaves the target as it was.
    bool commit() override;

  private:
    FileHandle file_;
    std::string temporaryPath_;
    std::string targetPath_;
    unsigned mode_;
    bool committed_ = false;
};

}  // namespace

SafeOutput::~SafeOutput() {
    if (!committed_) {
        file_.reset();
        ::unlink(temporaryPath_.c_str());
    }
}

bool SafeOutput::write(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(file_.get(), data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool SafeOutput::commit() {
    if (::fchmod(file_.get(), static_cast<mode_t>(mode_)) != 0 || ::fsync(file_.get()) != 0 ||
        !file_.close()) {
        return false;
    }
    if (::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        return false;
    }
    committed_ = true;
    // Make the new directory entry durable as well.
    FileHandle folder(::open(folderOf(targetPath_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen()) {
        ::fsync(folder.get());
    }
    return true;
}

std::unique_ptr<OutputFile> openSafeOutput(const std::string& path) {
    if (path.empty()) {
        return nullptr;
    }
    const std::string target = resolveLinks(path);
    unsigned mode = defaultMode();
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            return nullptr;
        }
        mode = info.st_mode & 07777U;
    }
    std::string temporary = folderOf(target) + "/." + fileNameOf(target) + ".XXXXXX";
    FileHandle file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.isOpen()) {
        return nullptr;
    }
    return std::make_unique<SafeOutput>(std::move(file), std::move(temporary), target, mode);
}

}  // namespace pw
