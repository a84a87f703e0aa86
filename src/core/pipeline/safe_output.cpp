#include "core/pipeline/safe_output.h"

#include <unistd.h>

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "core/common/messages.h"

namespace pw {
namespace {

class SafeOutput final : public OutputFile {
  public:
    explicit SafeOutput(const QString& path) : file_(path) {}

    bool open() { return file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool write(const char* data, std::size_t size) override {
        if (file_.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size)) {
            return true;
        }
        // Qt's own text for a failed write says nothing ("Unknown error"); the system's
        // reason is still in errno.
        writeReason_ = errno != 0 ? std::strerror(errno) : std::string();
        return false;
    }
    // QSaveFile syncs the temporary file before it renames it onto the target.
    bool commit() override { return file_.commit(); }
    std::string errorString() const override {
        return writeReason_.empty() ? file_.errorString().toStdString() : writeReason_;
    }
    bool sync() override { return file_.flush() && ::fsync(file_.handle()) == 0; }
    // The temporary file may have no name of its own; its descriptor always reopens it.
    std::string writtenPath() const override {
        const QString reopened = QStringLiteral("/proc/self/fd/%1").arg(file_.handle());
        return file_.handle() >= 0 && QFileInfo::exists(reopened) ? reopened.toStdString()
                                                                  : std::string();
    }

  private:
    QSaveFile file_;  // an uncommitted save removes its temporary file
    std::string writeReason_;
};

class DiscardedOutput final : public OutputFile {
  public:
    bool write(const char*, std::size_t) override { return true; }
    bool commit() override { return true; }
    std::string errorString() const override { return {}; }
};

}  // namespace

std::optional<std::string> refusedTarget(const std::string& path) {
    const QFileInfo target(QString::fromStdString(path));
    // A link is followed to the file it names, which is the one replaced.
    if (path.empty() || (target.exists() && !QFileInfo(target.canonicalFilePath()).isFile())) {
        return messages::notARegularFile();
    }
    return std::nullopt;
}

OpenedOutput openDryRunOutput(const std::string& path) {
    if (std::optional<std::string> refused = refusedTarget(path)) {
        return {nullptr, *refused};
    }
    const QFileInfo folder(QFileInfo(QString::fromStdString(path)).absolutePath());
    if (!folder.isDir()) {
        return {nullptr, std::strerror(ENOENT)};
    }
    if (!folder.isWritable()) {
        return {nullptr, std::strerror(EACCES)};
    }
    return {std::make_unique<DiscardedOutput>(), {}};
}

OpenedOutput openSafeOutput(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (std::optional<std::string> refused = refusedTarget(path)) {
        return {nullptr, *refused};
    }
    auto output = std::make_unique<SafeOutput>(name);
    if (!output->open()) {
        return {nullptr, output->errorString()};
    }
    return {std::move(output), {}};
}

}  // namespace pw
