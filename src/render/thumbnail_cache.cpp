// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/thumbnail_cache.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <chrono>
#include <filesystem>

#include "core/pipeline/safe_output.h"
#include "render/map_cells.h"
#include "render/palette.h"
#include "render/thumbnail.h"

namespace pw {
namespace {

// Raised whenever the way the pictures are drawn changes, so that none drawn the old way
// is taken for a new one.
constexpr char kPictureVersion[] = "panel picture 1";

}  // namespace

ThumbnailCache::ThumbnailCache(QString folder, QSize box, std::optional<Legend> legend)
    : folder_(std::move(folder)), box_(box), legend_(std::move(legend)) {
    if (!folder_.isEmpty()) {
        QDir().mkpath(folder_);
    }
    const std::array<QRgb, 256> table = legend_ ? legend_->colourTable() : builtInPalette();
    colours_ = QByteArray(reinterpret_cast<const char*>(table.data()),
                          static_cast<qsizetype>(sizeof(table)));
}

QString ThumbnailCache::entryPath(const std::string& path) const {
    struct stat file {};
    if (folder_.isEmpty() || ::stat(path.c_str(), &file) != 0) {
        return {};
    }
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(QByteArrayView(kPictureVersion));
    const long long parts[] = {static_cast<long long>(file.st_dev),
                               static_cast<long long>(file.st_ino),
                               static_cast<long long>(file.st_size),
                               static_cast<long long>(file.st_mtim.tv_sec),
                               static_cast<long long>(file.st_mtim.tv_nsec),
                               box_.width(),
                               box_.height()};
    key.addData(QByteArrayView(reinterpret_cast<const char*>(parts), sizeof(parts)));
    key.addData(colours_);
    return QDir(folder_).filePath(QString::fromLatin1(key.result().toHex()) +
                                  QStringLiteral(".png"));
}

QImage ThumbnailCache::picture(const std::string& path, const std::string& name,
                               QString& toKeep) const {
    toKeep.clear();
    const QString entry = entryPath(path);
    if (QImage kept; !entry.isEmpty() && kept.load(entry, "PNG")) {
        // Its time says when it was last used, for prune().
        std::error_code ignored;
        std::filesystem::last_write_time(QFile::encodeName(entry).toStdString(),
                                         std::filesystem::file_time_type::clock::now(), ignored);
        return kept;
    }
    MapSource source = MapSource::file(path);
    source.name = name;
    QImage drawn = drawThumbnail(source, box_, legend_);
    if (!drawn.isNull()) {
        toKeep = entry;
    }
    return drawn;
}

void ThumbnailCache::keep(const QString& entry, const QImage& picture) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (entry.isEmpty() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        return;
    }
    // Through the safe save, so that a picture is there whole or not at all.
    const OpenedOutput output = openSafeOutput(QFile::encodeName(entry).toStdString());
    if (output.file &&
        output.file->write(bytes.constData(), static_cast<std::size_t>(bytes.size()))) {
        output.file->commit();
    }
}

void ThumbnailCache::prune() const {
    if (folder_.isEmpty()) {
        return;
    }
    const auto unusedSince =
        std::filesystem::file_time_type::clock::now() - std::chrono::days(kUnusedDays);
    std::error_code failed;
    std::filesystem::directory_iterator entries(QFile::encodeName(folder_).toStdString(), failed);
    for (; !failed && entries != std::filesystem::directory_iterator(); entries.increment(failed)) {
        const std::filesystem::path& picture = entries->path();
        std::error_code ignored;
        if (picture.extension() == ".png" && entries->is_regular_file(ignored) &&
            entries->last_write_time(ignored) < unusedSince) {
            std::filesystem::remove(picture, ignored);
        }
    }
}

}  // namespace pw
