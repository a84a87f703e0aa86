// SPDX-License-Identifier: GPL-3.0-or-later
// The last output path, remembered in the program's settings.
#include "gui/common/saved_file_name.h"

#include <QSettings>

namespace pw::gui {
namespace {

constexpr auto kSavedFileNameKey = "Boardsmith/Saved File Name";

}  // namespace

QString savedFileName(QSettings& settings) {
    return settings.value(kSavedFileNameKey, QString()).toString();
}

void storeSavedFileName(QSettings& settings, const QString& path) {
    settings.setValue(kSavedFileNameKey, path);
    // On disk at once, so that a crash during the write still remembers the choice.
    settings.sync();
}

}  // namespace pw::gui
