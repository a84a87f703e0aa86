// SPDX-License-Identifier: GPL-3.0-or-later
// The file a drag from a file manager carries.
#pragma once

#include <QString>
#include <optional>

class QMimeData;

namespace pw::gui {

// The one local file a drag from a file manager carries, when its name ends in `suffix`
// (in any letter case); nullopt for anything else, several files included.
std::optional<QString> draggedFile(const QMimeData* mime, const char* suffix);

}  // namespace pw::gui
