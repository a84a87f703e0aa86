// SPDX-License-Identifier: GPL-3.0-or-later
// What a composer dialog's room remembers across dialogs: whether the preview is shown,
// and per layout the window's size, whether it was maximised and where the handle was left.
#pragma once

#include <QSize>
#include <QVariant>
#include <Qt>

#include "core/assembly/layout.h"

class QSettings;

namespace pw::gui {

class RoomMemory {
  public:
    RoomMemory(QSettings& settings, Layout layout) : settings_(settings), layout_(layout) {}

    bool previewShown() const;  // shown unless hidden last
    void keepPreviewShown(bool shown);
    // The window's size with the preview shown (invalid: none kept), and whether it was
    // maximised.
    QSize size() const;
    bool maximized() const;
    void keepSize(QSize size, bool maximized);
    // Where the handle was left, beside the slots or under them: the slots' share (invalid:
    // never moved).
    QVariant split(Qt::Orientation orientation) const;
    void keepSplit(Qt::Orientation orientation, int slotsShare);

  private:
    QString key(const QString& what) const;

    QSettings& settings_;
    const Layout layout_;
};

}  // namespace pw::gui
