// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/count_spin.h"

#include <QLineEdit>

namespace pw::gui {

CountSpin::CountSpin(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    setWrapping(false);
}

void CountSpin::stepBy(int steps) {
    if (steps == 0) {
        return;
    }
    // Page keys and the wheel move one step at a time, like the arrows.
    const int step = steps > 0 ? 1 : -1;
    if (stepFilter_ && !stepFilter_(step)) {
        return;
    }
    QSpinBox::stepBy(step);
}

}  // namespace pw::gui
