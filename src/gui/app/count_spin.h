// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog's map count.
#pragma once

#include <QSpinBox>
#include <algorithm>
#include <functional>

namespace pw::gui {

// The map count: up/down arrows that ask before every step, and digits typed in, which
// take only counts of the range and its step.
class CountSpin : public QSpinBox {
    Q_OBJECT

  public:
    // Called with +1 or -1 before a step; false refuses it and the count stays.
    using StepFilter = std::function<bool(int)>;

    explicit CountSpin(QWidget* parent = nullptr);

    void setStepFilter(StepFilter filter) { stepFilter_ = std::move(filter); }
    // Composite counts pairs of maps: 2 takes only every second count of the range.
    void setCountStep(int step) { countStep_ = std::max(step, 1); }

    void stepBy(int steps) override;

  protected:
    // Both arrows stay live at the ends of the range, so that a step too far reaches the
    // filter and is refused with a beep instead of being silently ignored.
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    QValidator::State validate(QString& input, int& position) const override;

  private:
    StepFilter stepFilter_;
    int countStep_ = 1;
};

}  // namespace pw::gui
