// SPDX-License-Identifier: GPL-3.0-or-later
// The handle between a composer's slots and its preview.
#pragma once

#include <QSplitter>

namespace pw::gui {

// The handle between a composer's slots and its preview. Qt's splitter leaves its handles
// out of its size hint, so a window opened at that hint would take the handle's width
// from the slots, and they would scroll; this one counts them.
class PreviewSplitter : public QSplitter {
  public:
    using QSplitter::QSplitter;

    QSize sizeHint() const override;
};

}  // namespace pw::gui
