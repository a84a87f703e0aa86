// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog's tab of the sheets: a field for the cell size in millimetres.
#include "gui/print/cell_size_tab.h"

#include <QDoubleSpinBox>
#include <QFormLayout>

#include "render/print_layout.h"

namespace pw::gui {

CellSizeTab::CellSizeTab(double cellMm, QWidget* parent)
    : QWidget(parent), cellMm_(new QDoubleSpinBox(this)) {
    setWindowTitle(tr("Sheets"));
    cellMm_->setObjectName(QStringLiteral("printCellMm"));
    cellMm_->setRange(kMinCellMm, kMaxCellMm);
    cellMm_->setDecimals(1);
    cellMm_->setSingleStep(0.5);
    cellMm_->setSuffix(tr(" mm"));
    cellMm_->setValue(cellMm);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("&Cell size:"), cellMm_);
}

double CellSizeTab::cellMm() const {
    return cellMm_->value();
}

}  // namespace pw::gui
