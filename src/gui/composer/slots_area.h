// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>
#include <QSize>

namespace pw::gui {

// Holds the slots of a composer dialog as their template lays them out: always at their
// own size, which the dialog's resizing never changes, unless the screen has less room
// than that; then they keep their layout and scroll.
class SlotsArea : public QScrollArea {
  public:
    // Takes `slots` (a widget with its layout) as its own.
    explicit SlotsArea(QWidget* slots, QWidget* parent = nullptr);

    // The most the area may take; larger than the slots, it changes nothing.
    void setRoom(QSize room);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSize room_;
};

}  // namespace pw::gui
