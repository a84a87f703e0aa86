// SPDX-License-Identifier: GPL-3.0-or-later
// ThumbnailCache: the folder that keeps the panels' small pictures.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <string>

#include "render/legend.h"

namespace pw {

// The small pictures of panels (drawThumbnail()), kept as PNG files in a folder between
// runs. A picture is found again by the file it shows (its device and inode), that file's
// size and modification time, the picture's size and the colours it was drawn in: a file
// that changes gets a new picture, and one that does not is never drawn again. A picture
// not used for kUnusedDays (of a file changed or gone) is removed by prune().
// The cache reads, writes and removes only files of its own naming in the folder itself,
// and follows no link: a folder that is a link keeps nothing, and an entry that is one is
// passed over, so that the cache never reaches into a folder of the user's own pictures.
// Everything here is quiet: a folder that cannot be made or written, or a picture that
// cannot be read back, only costs drawing the picture anew.
class ThumbnailCache {
  public:
    // `folder` empty, or a link: nothing is kept, every picture is drawn.
    ThumbnailCache(QString folder, QSize box, std::optional<Legend> legend);

    // The picture of the map at `path` (bytes; `name` as messages name it): from the
    // folder when it is there, else drawn; null when it cannot be drawn. A picture drawn
    // that can be kept says where in `toKeep` (else it is left empty), for keep().
    QImage picture(const std::string& path, const std::string& name, QString& toKeep) const;
    // Keeps a picture drawn by picture() where it said. Apart from the drawing, since every
    // file written is synced to disk, which takes far longer than drawing a picture.
    void keep(const QString& entry, const QImage& picture) const;
    // Removes the pictures that no picture() call used for kUnusedDays.
    void prune() const;

    static constexpr int kUnusedDays = 30;

  private:
    // Where the picture of the map at `path` as it is now is kept; empty when the file
    // cannot be looked at or nothing is kept.
    QString entryPath(const std::string& path) const;
    // The picture kept at `entry`, its time set to now; null when there is none.
    static QImage keptPicture(const QString& entry);

    QString folder_;
    QSize box_;
    std::optional<Legend> legend_;
    QByteArray colours_;  // the colour table, part of every key
};

}  // namespace pw
