// SPDX-License-Identifier: GPL-3.0-or-later
// The light over a widget that would take what is dragged over it.
#pragma once

#include <QWidget>

namespace pw::gui {

// Lights a widget up while something that would drop there is dragged over it: a frame in
// the palette's highlight colour over a light wash of it, which shows in light and dark
// styles alike. It lies over the whole widget, lets every mouse event through and is
// hidden until lit.
class DropHighlight : public QWidget {
  public:
    explicit DropHighlight(QWidget& target);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace pw::gui
