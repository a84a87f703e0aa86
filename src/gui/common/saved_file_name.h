// SPDX-License-Identifier: GPL-3.0-or-later
// The last output path, remembered across program starts.
#pragma once

#include <QString>

class QSettings;

namespace pw::gui {

// The last output path, remembered across program starts as "Saved File Name" of
// section "Boardsmith".
QString savedFileName(QSettings& settings);
void storeSavedFileName(QSettings& settings, const QString& path);

}  // namespace pw::gui
