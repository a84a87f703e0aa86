// SPDX-License-Identifier: GPL-3.0-or-later
// The small pictures kept as PNG files named by a digest of their panel.
#include "render/thumbnail_cache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <ctime>
#include <memory>
#include <string_view>

#include "core/output/safe_output.h"
#include "core/system/file_system.h"
#include "render/map_source.h"
#include "render/palette.h"
#include "render/thumbnail.h"

namespace pw {
namespace {

// Raised whenever the way the pictures are drawn changes, so that none drawn the old way
// is taken for a new one.
constexpr char kPictureVersion[] = "panel picture 1";

// The names of the folder's own entries: the key's digest in hex and ".png". Anything else
// there is not the cache's to touch.
constexpr std::size_t kDigestDigits = 40;  // SHA-1
constexpr std::string_view kEntrySuffix = ".png";

bool isEntryName(std::string_view name) {
    return name.size() == kDigestDigits + kEntrySuffix.size() && name.ends_with(kEntrySuffix) &&
           std::all_of(name.begin(), name.begin() + kDigestDigits,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::string bytesOf(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// True when `path` itself is a folder, not a link to one: the cache never follows a link,
// which could lead it into a folder of the user's own pictures.
bool isOwnFolder(const QString& path) {
    return pw::isOwnFolder(bytesOf(path));
}

}  // namespace

ThumbnailCache::ThumbnailCache(QString folder, QSize box, std::optional<Legend> legend)
    : folder_(std::move(folder)), box_(box), legend_(std::move(legend)) {
    if (!folder_.isEmpty() && (!QDir().mkpath(folder_) || !isOwnFolder(folder_))) {
        folder_.clear();  // nothing is kept: every picture is drawn
    }
    const std::array<QRgb, 256> table = legend_ ? legend_->colourTable() : builtInPalette();
    colours_ = QByteArray(reinterpret_cast<const char*>(table.data()),
                          static_cast<qsizetype>(sizeof(table)));
}

QString ThumbnailCache::entryPath(const std::string& path) const {
    const std::optional<FileStatus> file = folder_.isEmpty() ? std::nullopt : statusOf(path);
    if (!file) {
        return {};
    }
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(QByteArrayView(kPictureVersion));
    const long long parts[] = {static_cast<long long>(file->device),
                               static_cast<long long>(file->inode),
                               file->size,
                               file->modifiedSeconds,
                               file->modifiedNanoseconds,
                               box_.width(),
                               box_.height()};
    key.addData(QByteArrayView(reinterpret_cast<const char*>(parts), sizeof(parts)));
    key.addData(colours_);
    return QDir(folder_).filePath(QString::fromLatin1(key.result().toHex()) +
                                  QLatin1StringView(kEntrySuffix));
}

QImage ThumbnailCache::picture(const std::string& path, const std::string& name,
                               QString& toKeep) const {
    toKeep.clear();
    const QString entry = entryPath(path);
    if (QImage kept = keptPicture(entry); !kept.isNull()) {
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

QImage ThumbnailCache::keptPicture(const QString& entry) {
    if (entry.isEmpty()) {
        return {};
    }
    // Opened as it is, never through a link; only a regular file is read.
    const std::optional<std::string> bytes = readOwnFile(bytesOf(entry));
    QImage kept;
    if (!bytes || !kept.loadFromData(QByteArrayView(*bytes), "PNG")) {
        return {};
    }
    // Its time says when it was last used, for prune().
    markOwnFileUsed(bytesOf(entry));
    return kept;
}

void ThumbnailCache::keep(const QString& entry, const QImage& picture) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (entry.isEmpty() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        return;
    }
    // The safe save follows a link in the entry's place; the cache writes only its own
    // folder's own files.
    const std::optional<FileStatus> there = statusOf(bytesOf(entry), false);
    if (!isOwnFolder(folder_) || (there && !there->regular)) {
        return;
    }
    // Through the safe save, so that a picture is there whole or not at all.
    const OpenedOutput output = openSafeOutput(bytesOf(entry));
    if (output.file &&
        output.file->write(bytes.constData(), static_cast<std::size_t>(bytes.size()))) {
        output.file->commit();
    }
}

void ThumbnailCache::prune() const {
    if (folder_.isEmpty()) {
        return;
    }
    // The folder as it is, not through a link; its own entries only, links among them left.
    const std::time_t unusedSince = std::time(nullptr) - std::time_t{kUnusedDays} * 24 * 60 * 60;
    removeOwnFilesUnusedSince(bytesOf(folder_), isEntryName, unusedSince);
}

}  // namespace pw
