// SPDX-License-Identifier: GPL-3.0-or-later
// The file a drag from a file manager carries.
#include "gui/common/dragged_file.h"

#include <QMimeData>
#include <QUrl>

namespace pw::gui {

std::optional<QString> draggedFile(const QMimeData* mime, const char* suffix) {
    if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) {
        return std::nullopt;
    }
    const QUrl url = mime->urls().front();
    const QString path = url.toLocalFile();
    if (!url.isLocalFile() || !path.endsWith(QString::fromLatin1(suffix), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace pw::gui
