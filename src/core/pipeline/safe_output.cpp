#include "core/pipeline/safe_output.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace pw {
namespace {

class SafeOutput final : public OutputFile {
  public:
    explicit SafeOutput(const QString& path) : file_(path) {}

    bool open() { return file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool write(const char* data, std::size_t size) override {
        return file_.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size);
    }
    // QSaveFile syncs the temporary file before it renames it onto the target.
    bool commit() override { return file_.commit(); }
    std::string errorString() const override { return file_.errorString().toStdString(); }

  private:
    QSaveFile file_;  // an uncommitted save removes its temporary file
};

class DiscardedOutput final : public OutputFile {
  public:
    bool write(const char*, std::size_t) override { return true; }
    bool commit() override { return true; }
    std::string errorString() const override { return {}; }
};

// A link is followed to the file it names, which is the one replaced.
bool refusedTarget(const std::string& path) {
    const QFileInfo target(QString::fromStdString(path));
    return path.empty() || (target.exists() && !QFileInfo(target.canonicalFilePath()).isFile());
}

const char kNotRegular[] = "Not a regular file";

}  // namespace

OpenedOutput openDryRunOutput(const std::string& path) {
    if (refusedTarget(path)) {
        return {nullptr, kNotRegular};
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
    if (refusedTarget(path)) {
        return {nullptr, kNotRegular};
    }
    auto output = std::make_unique<SafeOutput>(name);
    if (!output->open()) {
        return {nullptr, output->errorString()};
    }
    return {std::move(output), {}};
}

}  // namespace pw
