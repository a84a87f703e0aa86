// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pipeline/held_folder.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/openat2.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <optional>
#include <random>
#include <vector>

#include "core/common/messages.h"

namespace pw {
namespace {

// Tries at a temporary name before the folder is taken to refuse new files.
constexpr int kNameTries = 100;
// What a save may leave on a file: reading and writing, never executing or set-id.
constexpr mode_t kSavedModeBits = 0666;

std::string reasonOf(int error) {
    return std::strerror(error);
}

// Is the file named `name` in `folder` still what the plan found there? The reason when not.
std::optional<std::string> changedFrom(int folder, const std::string& name,
                                       const FilePlace& planned, struct stat& found) {
    if (::fstatat(folder, name.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            return reasonOf(errno);
        }
        return planned.exists
                   ? std::optional<std::string>(messages::translated(messages::kPlaceChanged))
                   : std::nullopt;
    }
    if (!planned.exists || found.st_dev != planned.device || found.st_ino != planned.inode) {
        return messages::translated(messages::kPlaceChanged);
    }
    return S_ISREG(found.st_mode)
               ? std::nullopt
               : std::optional<std::string>(messages::translated(messages::kNotRegularFile));
}

// A save beneath a held folder: written to a temporary file in the folder found and
// renamed over the target there.
class ConfinedOutput final : public OutputFile {
  public:
    ConfinedOutput(Descriptor folder, std::string name, FilePlace planned)
        : folder_(std::move(folder)), name_(std::move(name)), planned_(std::move(planned)) {}
    ~ConfinedOutput() override {
        if (!temporary_.empty()) {
            ::unlinkat(folder_.get(), temporary_.c_str(), 0);
        }
    }
    ConfinedOutput(const ConfinedOutput&) = delete;
    ConfinedOutput& operator=(const ConfinedOutput&) = delete;

    // Makes the temporary file: an existing target's permissions without execute bits.
    bool open(const struct stat* existing) {
        std::random_device seed;
        std::mt19937 random(seed());
        static constexpr char kLetters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
        for (int tries = 0; tries < kNameTries && !file_.valid(); ++tries) {
            std::string name = name_ + '.';
            for (int i = 0; i < 6; ++i) {
                name += kLetters[letter(random)];
            }
            file_ = Descriptor(::openat(folder_.get(), name.c_str(),
                                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                        existing != nullptr ? 0600 : kSavedModeBits));
            if (file_.valid()) {
                temporary_ = std::move(name);
            } else if (errno != EEXIST) {
                return fail(errno);
            }
        }
        if (!file_.valid()) {
            return fail(EEXIST);
        }
        if (existing != nullptr && ::fchmod(file_.get(), existing->st_mode & kSavedModeBits) != 0) {
            return fail(errno);
        }
        return true;
    }
    bool write(const char* data, std::size_t size) override {
        while (size > 0) {
            const ssize_t written = ::write(file_.get(), data, size);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return fail(written < 0 ? errno : ENOSPC);
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    }
    bool sync() override { return ::fsync(file_.get()) == 0 || fail(errno); }
    bool commit() override {
        struct stat found {};
        if (!sync()) {
            return false;
        }
        if (std::optional<std::string> changed =
                changedFrom(folder_.get(), name_, planned_, found)) {
            reason_ = *changed;
            return false;
        }
        if (keeping_) {
            replaced_.keep(folder_.get(), name_);
        }
        if (::renameat(folder_.get(), temporary_.c_str(), folder_.get(), name_.c_str()) != 0) {
            const int error = errno;
            replaced_.release();
            return fail(error);
        }
        temporary_.clear();
        committed_ = true;
        // The new name made durable too; a folder that cannot be read for it keeps its
        // name as the file system orders it.
        const Descriptor synced(::openat(folder_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (synced.valid()) {
            ::fsync(synced.get());
        }
        return true;
    }
    bool commitKeepingReplaced() override {
        keeping_ = true;
        return commit();
    }
    void settleReplaced(bool undo) override {
        if (keeping_ && committed_) {
            replaced_.settle(undo);
        }
        keeping_ = false;
    }
    std::string errorString() const override { return reason_; }
    // The temporary file's descriptor reopens it, whatever becomes of its name; none
    // without /proc.
    std::string writtenPath() const override {
        const std::string reopened = "/proc/self/fd/" + std::to_string(file_.get());
        return ::access(reopened.c_str(), F_OK) == 0 ? reopened : std::string();
    }

  private:
    bool fail(int error) {
        reason_ = reasonOf(error);
        return false;
    }

    Descriptor folder_;  // the folder found beneath the held one
    std::string name_;   // the target's name in it
    FilePlace planned_;
    Descriptor file_;
    std::string temporary_;  // its name until the commit
    std::string reason_;
    ReplacedFile replaced_;
    bool keeping_ = false;
    bool committed_ = false;
};

// Where the kernel has no openat2: the same walk by hand, a step at a time without
// following links, each link read and walked in its turn, and no step above `held`.
Descriptor walkBeneath(int held, const std::string& path) {
    std::vector<Descriptor> walked;  // the folders below `held` on the way
    std::deque<std::string> rest = componentsOf(path);
    int links = 0;
    while (!rest.empty()) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        const int at = walked.empty() ? held : walked.back().get();
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            if (walked.empty()) {
                errno = EXDEV;
                return {};
            }
            walked.pop_back();
            continue;
        }
        Descriptor next(::openat(at, part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.valid()) {
            walked.push_back(std::move(next));
            continue;
        }
        const int error = errno;
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlinkat(at, part.c_str(), target.data(), target.size());
        if (length <= 0) {
            errno = error;
            return {};
        }
        if (++links > kMostLinks || target.front() == '/') {
            errno = links > kMostLinks ? ELOOP : EXDEV;
            return {};
        }
        std::deque<std::string> more =
            componentsOf(std::string(target.data(), static_cast<std::size_t>(length)));
        rest.insert(rest.begin(), more.begin(), more.end());
    }
    return Descriptor(::openat(walked.empty() ? held : walked.back().get(), ".",
                               O_PATH | O_DIRECTORY | O_CLOEXEC));
}

}  // namespace

Descriptor openFolderBeneath(int held, const std::string& path, BeneathResolver resolver) {
    if (resolver == BeneathResolver::Walk) {
        return walkBeneath(held, path);
    }
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, held, path.c_str(), &how, sizeof how);
    if (fd >= 0 || (errno != ENOSYS && errno != EPERM)) {
        return Descriptor(static_cast<int>(fd));
    }
    return walkBeneath(held, path);
}

void allowManyHeldFolders() {
    struct rlimit files {};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.release();
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int Descriptor::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

std::shared_ptr<const HeldFolder> holdFolder(const FilePlace& folder, std::string& reason) {
    Descriptor fd(::open(folder.path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat found {};
    if (!fd.valid() || ::fstat(fd.get(), &found) != 0) {
        reason = reasonOf(errno);
        return nullptr;
    }
    if (!folder.exists || found.st_dev != folder.device || found.st_ino != folder.inode) {
        reason = messages::translated(messages::kPlaceChanged);
        return nullptr;
    }
    return std::make_shared<const HeldFolder>(HeldFolder{std::move(fd), folder.path});
}

OpenedOutput openBeneath(const HeldFolder& held, const std::string& beneath,
                         const FilePlace& planned, bool dryRun) {
    const std::size_t slash = beneath.rfind('/');
    const std::string name = slash == std::string::npos ? beneath : beneath.substr(slash + 1);
    Descriptor folder = openFolderBeneath(
        held.fd.get(), slash == std::string::npos ? "." : beneath.substr(0, slash));
    if (!folder.valid()) {
        return {nullptr,
                errno == EXDEV ? messages::translated(messages::kPlaceChanged) : reasonOf(errno)};
    }
    struct stat found {};
    if (std::optional<std::string> changed = changedFrom(folder.get(), name, planned, found)) {
        return {nullptr, *changed};
    }
    if (dryRun) {
        if (::faccessat(folder.get(), ".", W_OK | X_OK, 0) != 0) {
            return {nullptr, reasonOf(errno)};
        }
        return {std::make_unique<DiscardedOutput>(), {}};
    }
    auto output = std::make_unique<ConfinedOutput>(std::move(folder), name, planned);
    if (!output->open(planned.exists ? &found : nullptr)) {
        return {nullptr, output->errorString()};
    }
    return {std::move(output), {}};
}

void ReplacedFile::keep(int folder, const std::string& name) {
    struct stat found {};
    folder_ = folder;
    name_ = name;
    existed_ = ::fstatat(folder, name.c_str(), &found, AT_SYMLINK_NOFOLLOW) == 0;
    const std::string aside = name + ".old-" + std::to_string(::getpid());
    if (existed_ && ::linkat(folder, name.c_str(), folder, aside.c_str(), 0) == 0) {
        aside_ = aside;
    }
}

void ReplacedFile::settle(bool undo) {
    if (undo) {
        if (!aside_.empty()) {
            ::renameat(folder_, aside_.c_str(), folder_, name_.c_str());
        } else if (!existed_ && !name_.empty()) {
            ::unlinkat(folder_, name_.c_str(), 0);
        }
    } else if (!aside_.empty()) {
        ::unlinkat(folder_, aside_.c_str(), 0);
    }
    aside_.clear();
    name_.clear();
}

bool clearExecuteBits(int fd) {
    struct stat found {};
    if (::fstat(fd, &found) != 0) {
        return false;
    }
    return (found.st_mode & 07111) == 0 || ::fchmod(fd, found.st_mode & kSavedModeBits) == 0;
}

}  // namespace pw
