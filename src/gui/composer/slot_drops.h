// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop of map files, slots and setups on a composer dialog.
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

#include "gui/composer/slot_widgets.h"

class QComboBox;
class QDropEvent;
class QMimeData;

namespace pw::gui {

class DropHighlight;

// Drag and drop on a composer dialog: a map file dropped from a file manager onto a slot
// (its drop-down or its panel), a slot's panel dragged onto another slot, and a setup file
// dropped anywhere on the dialog. A slot lights up while what is dragged over it would
// drop there; a dragged slot shows its panel's picture under the pointer.
class SlotDrops : public QObject {
  public:
    struct Handlers {
        std::function<void(int slot, const QString& path)> mapDropped;
        std::function<void(int from, int to)> slotDropped;
        std::function<void(const QString& path)> setupDropped;
    };

    // Watches the dialog and its first `slotsInUse` slots.
    SlotDrops(QWidget& dialog, const ComposerWidgets& widgets, int slotsInUse, Handlers handlers);

    // What a drag of slot `slot` carries, as a drag from its panel starts it.
    static QMimeData* slotDrag(int slot);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What a drop onto `slot` (-1: the dialog itself) would do; false when it does nothing.
    bool accepts(const QMimeData* mime, int slot) const;
    void drop(const QMimeData* mime, int slot);
    void startDrag(int slot);
    // Lights `slot` up alone; -1 lights none.
    void light(int slot);

    QWidget& dialog_;
    Handlers handlers_;
    QHash<QObject*, int> slotOf_;                   // the drop-downs and panels of the slots in use
    std::vector<QComboBox*> lists_;                 // by slot
    std::vector<std::vector<DropHighlight*>> lit_;  // each slot's drop-down and panel
    int litSlot_ = -1;
    QPoint pressedAt_;
    int pressedSlot_ = -1;
};

}  // namespace pw::gui
