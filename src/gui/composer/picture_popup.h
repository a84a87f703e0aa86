// SPDX-License-Identifier: GPL-3.0-or-later
// A slot's open list, widened for its pictures.
#pragma once

#include <QObject>

class QComboBox;

namespace pw::gui {

// Opens a slot's list wide enough for its pictures. The drop-down sizes its list for the
// small icon of its closed box; the list shows the larger pictures, and is widened by the
// difference each time it opens (kept within the screen), so that no name is cut.
class PicturePopup : public QObject {
  public:
    explicit PicturePopup(QComboBox& list);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QComboBox& list_;
};

}  // namespace pw::gui
