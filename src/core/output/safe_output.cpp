// SPDX-License-Identifier: GPL-3.0-or-later
// The safe save of a file by its path, over QSaveFile.
#include "core/output/safe_output.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/system/file_place.h"
#include "core/system/file_system.h"
#include "core/system/held_folder.h"

namespace pw {
namespace {

class SafeOutput final : public OutputFile {
  public:
    explicit SafeOutput(std::string path) : path_(std::move(path)), file_(*qtPath(path_)) {}

    bool open() {
        // Qt's own text for a failed open may name its temporary file, not the reason
        // (a read-only file system); the system's reason is in errno.
        errno = 0;
        if (file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            // Qt copies an existing target's permissions, execute bits included.
            if (clearExecuteBits(file_.handle())) {
                return true;
            }
            reason_ = std::strerror(errno);
            file_.cancelWriting();
            return false;
        }
        if (errno != 0) {
            reason_ = std::strerror(errno);
        }
        return false;
    }
    bool write(const char* data, std::size_t size) override {
        // Qt hands back a short count, with no reason, when the disk fills up part-way;
        // the write of the rest then fails with the system's reason.
        while (size > 0) {
            const qint64 written = file_.write(data, static_cast<qint64>(size));
            if (written <= 0) {
                // Qt's own text for it may say nothing ("Unknown error"); the system's
                // reason is still in errno.
                if (errno != 0) {
                    reason_ = std::strerror(errno);
                }
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    }
    bool commit() override {
        // QSaveFile syncs before it renames, but passes over a failed sync; a disk that
        // fills up late (delayed allocation, network file systems) says so only here.
        if (!syncFile(file_.handle())) {
            reason_ = std::strerror(errno);
            return false;
        }
        return file_.commit();
    }
    // The second name is made where the links led when the save began.
    bool commitKeepingReplaced() override {
        replaced_.keep(currentFolder(), path_);
        if (!commit()) {
            replaced_.release();
            return false;
        }
        committed_ = true;
        return true;
    }
    void settleReplaced(bool undo) override {
        if (committed_) {
            replaced_.settle(undo);
        }
    }
    std::string errorString() const override {
        return reason_.empty() ? file_.errorString().toStdString() : reason_;
    }
    bool sync() override {
        if (!file_.flush() || !syncFile(file_.handle())) {
            reason_ = std::strerror(errno);
            return false;
        }
        return true;
    }
    // The temporary file may have no name of its own; its descriptor always reopens it.
    std::string writtenPath() const override {
        const QString reopened = QStringLiteral("/proc/self/fd/%1").arg(file_.handle());
        return file_.handle() >= 0 && QFileInfo::exists(reopened) ? reopened.toStdString()
                                                                  : std::string();
    }

  private:
    std::string path_;    // the target, every link on the way followed
    QSaveFile file_;      // an uncommitted save removes its temporary file
    std::string reason_;  // a failure Qt does not see
    ReplacedFile replaced_;
    bool committed_ = false;
};

}  // namespace

std::optional<std::string> refusedTarget(const std::string& path) {
    // A name Qt cannot hold as text would be written under another name.
    if (!pathRoundTrips(path)) {
        return messages::translated(messages::kNameNotUtf8);
    }
    // A link is followed to the file it names, which is the one replaced.
    const FilePlace place = placeOf(path);
    if (path.empty() || (place.exists && !place.regular)) {
        return messages::translated(messages::kNotRegularFile);
    }
    if (!place.refusal.empty()) {
        return place.refusal;
    }
    return std::nullopt;
}

OpenedOutput openDryRunOutput(const std::string& path) {
    if (std::optional<std::string> refused = refusedTarget(path)) {
        return {nullptr, *refused};
    }
    // The folder where the file would be made must be there and take a new file; the
    // system's reason for it is the one a real save would meet first.
    const std::string folder = folderOf(placeOf(path).path);
    if (!canCreateIn(folder)) {
        return {nullptr, std::strerror(errno)};
    }
    return {std::make_unique<DiscardedOutput>(), {}};
}

OpenedOutput openSafeOutput(const std::string& path) {
    // A name Qt cannot hold as text would be written under another name.
    if (std::optional<std::string> refused = refusedTarget(path)) {
        return {nullptr, *refused};
    }
    // Written where the links lead now, so that none is looked up again on the way.
    auto output = std::make_unique<SafeOutput>(placeOf(path).path);
    if (!output->open()) {
        return {nullptr, output->errorString()};
    }
    return {std::move(output), {}};
}

}  // namespace pw
