// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog's tab of the sheets: the side of a cell on paper.
#pragma once

#include <QWidget>

class QDoubleSpinBox;

namespace pw::gui {

// The tab the print dialog gets beside its own: how large a cell is printed, within the
// limits the PDF's sheets take.
class CellSizeTab : public QWidget {
    Q_OBJECT

  public:
    explicit CellSizeTab(double cellMm, QWidget* parent = nullptr);
    double cellMm() const;

  private:
    QDoubleSpinBox* cellMm_;
};

}  // namespace pw::gui
