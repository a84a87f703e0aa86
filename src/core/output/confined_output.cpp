// SPDX-License-Identifier: GPL-3.0-or-later
// A save confined beneath a folder held open: the output of a setup's run.
#include "core/output/confined_output.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "core/common/messages.h"
#include "core/system/file_system.h"

namespace pw {
namespace {

std::string reasonOf(int error) {
    return std::strerror(error);
}

// A save beneath a held folder: written to a temporary file in the folder found and
// renamed over the target there.
class ConfinedOutput final : public OutputFile {
  public:
    ConfinedOutput(Descriptor folder, std::string name, FilePlace planned)
        : folder_(std::move(folder)), name_(std::move(name)), planned_(std::move(planned)) {}
    ~ConfinedOutput() override {
        if (!temporary_.empty()) {
            removeWithin(folder_.get(), temporary_);
        }
    }
    ConfinedOutput(const ConfinedOutput&) = delete;
    ConfinedOutput& operator=(const ConfinedOutput&) = delete;

    // Makes the temporary file: an existing target's permissions without execute bits.
    bool open(const FileStatus* existing) {
        file_ = makeTemporary(folder_.get(), name_, existing, temporary_);
        return file_.valid() || fail(errno);
    }
    bool write(const char* data, std::size_t size) override {
        return writeAll(file_.get(), data, size) || fail(errno);
    }
    bool sync() override { return syncFile(file_.get()) || fail(errno); }
    bool commit() override {
        FileStatus found;
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
        if (!renameWithin(folder_.get(), temporary_, name_)) {
            const int error = errno;
            replaced_.release();
            return fail(error);
        }
        temporary_.clear();
        committed_ = true;
        // The new name made durable too; a folder that cannot be read for it keeps its
        // name as the file system orders it.
        syncFolder(folder_.get());
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
    std::string writtenPath() const override { return reopenedPath(file_.get()); }

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

}  // namespace

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
    FileStatus found;
    if (std::optional<std::string> changed = changedFrom(folder.get(), name, planned, found)) {
        return {nullptr, *changed};
    }
    if (dryRun) {
        if (!canCreateIn(folder.get())) {
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

}  // namespace pw
