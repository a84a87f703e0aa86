// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSpinBox>
#include <functional>

namespace pw::gui {

// The map count: read-only digits with up/down arrows that ask before every step.
class CountSpin : public QSpinBox {
    Q_OBJECT

  public:
    // Called with +1 or -1 before a step; false refuses it and the count stays.
    using StepFilter = std::function<bool(int)>;

    explicit CountSpin(QWidget* parent = nullptr);

    void setStepFilter(StepFilter filter) { stepFilter_ = std::move(filter); }

    void stepBy(int steps) override;

  protected:
    // Both arrows stay live at the ends of the range, so that a step too far reaches the
    // filter and is refused with a beep instead of being silently ignored.
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

  private:
    StepFilter stepFilter_;
};

}  // namespace pw::gui
