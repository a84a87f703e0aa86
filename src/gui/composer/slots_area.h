// SPDX-License-Identifier: GPL-3.0-or-later
// The scrolled area that holds a composer's slots at their own size.
#pragma once

#include <QScrollArea>
#include <QSize>
#include <functional>

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
    // The slots whole, whatever the room.
    QSize wholeSize() const;
    // Called when the slots grew or shrank (their lists were filled).
    void whenResized(std::function<void()> resized) { resized_ = std::move(resized); }

    QSize sizeHint() const override;
    // Small: the handle beside the area may narrow it, and the slots then scroll.
    QSize minimumSizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Enough to see a slot's list and where the rest lie.
    static constexpr QSize kSmallest{160, 120};
    QSize room_;
    std::function<void()> resized_;
};

}  // namespace pw::gui
