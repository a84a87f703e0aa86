// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog's map count, stepped by arrows or typed as digits.
#include "gui/app/count_spin.h"

namespace pw::gui {

CountSpin::CountSpin(QWidget* parent) : QSpinBox(parent) {
    setWrapping(false);
}

QValidator::State CountSpin::validate(QString& input, int& position) const {
    const QValidator::State state = QSpinBox::validate(input, position);
    if (state == QValidator::Acceptable && (valueFromText(input) - minimum()) % countStep_ != 0) {
        return QValidator::Invalid;
    }
    return state;
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
