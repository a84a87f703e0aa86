#include "core/pipeline/safe_output.h"

#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "core/common/file_path.h"
#include "core/common/messages.h"

namespace pw {
namespace {

class SafeOutput final : public OutputFile {
  public:
    explicit SafeOutput(const QString& path) : file_(path) {}

    bool open() { return file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool write(const char* data, std::size_t size) override {
        // Qt hands back a short count, with no reason, when the disk fills up part-way;
        // the write of the rest then fails with the system's reason.
        while (size > 0) {
            const qint64 written = file_.write(data, static_cast<qint64>(size));
            if (written <= 0) {
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
        if (::fsync(file_.handle()) != 0) {
            reason_ = std::strerror(errno);
            return false;
        }
        return file_.commit();
    }
    std::string errorString() const override {
        return reason_.empty() ? file_.errorString().toStdString() : reason_;
    }

  private:
    QSaveFile file_;      // an uncommitted save removes its temporary file
    std::string reason_;  // a failure Qt does not see
};

class DiscardedOutput final : public OutputFile {
  public:
    bool write(const char*, std::size_t) override { return true; }
    bool commit() override { return true; }
    std::string errorString() const override { return {}; }
};

// A link is followed to the file it names, which is the one replaced.
bool refusedTarget(const std::string& path, const QString& name) {
    const QFileInfo target(name);
    return path.empty() || (target.exists() && !QFileInfo(target.canonicalFilePath()).isFile());
}

}  // namespace

OpenedOutput openDryRunOutput(const std::string& path) {
    const std::optional<QString> name = qtPath(path);
    if (!name) {
        return {nullptr, messages::kNameNotUtf8};
    }
    if (refusedTarget(path, *name)) {
        return {nullptr, messages::kNotRegularFile};
    }
    const QFileInfo folder(QFileInfo(*name).absolutePath());
    if (!folder.isDir()) {
        return {nullptr, std::strerror(ENOENT)};
    }
    if (!folder.isWritable()) {
        return {nullptr, std::strerror(EACCES)};
    }
    return {std::make_unique<DiscardedOutput>(), {}};
}

OpenedOutput openSafeOutput(const std::string& path) {
    // A name Qt cannot hold as text would be written under another name.
    const std::optional<QString> name = qtPath(path);
    if (!name) {
        return {nullptr, messages::kNameNotUtf8};
    }
    if (refusedTarget(path, *name)) {
        return {nullptr, messages::kNotRegularFile};
    }
    auto output = std::make_unique<SafeOutput>(*name);
    if (!output->open()) {
        return {nullptr, output->errorString()};
    }
    return {std::move(output), {}};
}

}  // namespace pw
