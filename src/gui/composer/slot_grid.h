// SPDX-License-Identifier: GPL-3.0-or-later
// The slots of a composer dialog's diagram: their drop-downs, number labels and kept marks,
// and the direction, as the template lays them out.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "core/assembly/layout.h"
#include "core/mapfile/map_set.h"
#include "gui/composer/composition.h"
#include "gui/composer/kept_marks.h"
#include "gui/composer/slot_widgets.h"

class QComboBox;
class QLabel;

namespace pw::gui {

// Finds the template's controls in `dialog` and shows a composition in them: which name
// each slot's list has chosen, the L/R label that shows, "R (kept)" where a slot joins with
// a mark its name does not show, and the direction, telling a screen reader all of it (and
// where slots lie in rows and columns, their row and column). Slots past the layout's count
// stay hidden; only the first `slotsInUse` are shown.
class SlotGrid : public QObject {
    Q_OBJECT

  public:
    SlotGrid(QWidget& dialog, Layout layout, int slotsInUse);

    const ComposerWidgets& widgets() const { return widgets_; }

    // As the dialog opens: the map set's picture, the labels' font, and each slot in use
    // shown, its list filled by `list`.
    void open(MapSet mapSet, const std::function<void(QComboBox&)>& list);
    // Shows `composition` (its rows those of the lists) without a choice of the user's;
    // returns the marks of the slots in use, for what the preview says of kept marks.
    std::vector<SlotMark> show(const Composition& composition);

  Q_SIGNALS:
    // The user chose the list's `row` in `slot` (numbered from 0).
    void chosen(int slot, int row);
    // The direction button was clicked: with Shift held, to turn back.
    void turned(bool back);

  private:
    void attach(std::size_t slot);
    void describe(Layout layout);
    bool inUse(std::size_t slot) const { return slot < static_cast<std::size_t>(slotsInUse_); }

    QWidget& dialog_;
    const int slotsInUse_;
    ComposerWidgets widgets_;
    std::vector<QLabel*> keptMarks_;  // beside each slot's number labels: "R (kept)"
    bool turnBack_ = false;           // Shift was held on the direction button's click
};

}  // namespace pw::gui
