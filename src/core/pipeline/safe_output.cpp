#include "core/pipeline/safe_output.h"

#include <QFileInfo>
#include <QSaveFile>

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

}  // namespace

OpenedOutput openSafeOutput(const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QFileInfo target(name);
    // A link is followed to the file it names, which is the one replaced.
    if (path.empty() || (target.exists() && !QFileInfo(target.canonicalFilePath()).isFile())) {
        return {nullptr, "Not a regular file"};
    }
    auto output = std::make_unique<SafeOutput>(name);
    if (!output->open()) {
        return {nullptr, output->errorString()};
    }
    return {std::move(output), {}};
}

}  // namespace pw
