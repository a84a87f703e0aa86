#include "gui/assembly/composite_dlg.h"

#include "ui_composite_dlg.h"

namespace pw::gui {

CCompositeDlg::CCompositeDlg(int rowCount, int mapSetIndex, const DialogEnvironment& environment,
                             QWidget* parent)
    : CComposerDlg(Layout::Composite, rowCount, mapSetIndex, environment, parent),
      ui_(std::make_unique<Ui::CompositeDlg>()) {
    ui_->setupUi(this);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Rows 1 and 2 are always there; row 3 comes with three rows, row 4 with four.
    attachWidgets({
        ui_->mapSetPicture,
        ui_->directionLabel,
        ui_->directionButton,
        ui_->saveMapButton,
        {
            {ui_->mapList1, ui_->slotArrow1, ui_->slotPanel1, ui_->leftLabel1, ui_->rightLabel1, 0},
            {ui_->mapList2, ui_->slotArrow2, ui_->slotPanel2, ui_->leftLabel2, ui_->rightLabel2, 0},
            {ui_->mapList3, ui_->slotArrow3, ui_->slotPanel3, ui_->leftLabel3, ui_->rightLabel3, 0},
            {ui_->mapList4, ui_->slotArrow4, ui_->slotPanel4, ui_->leftLabel4, ui_->rightLabel4, 0},
            {ui_->mapList5, ui_->slotArrow5, ui_->slotPanel5, ui_->leftLabel5, ui_->rightLabel5, 3},
            {ui_->mapList6, ui_->slotArrow6, ui_->slotPanel6, ui_->leftLabel6, ui_->rightLabel6, 3},
            {ui_->mapList7, ui_->slotArrow7, ui_->slotPanel7, ui_->leftLabel7, ui_->rightLabel7, 4},
            {ui_->mapList8, ui_->slotArrow8, ui_->slotPanel8, ui_->leftLabel8, ui_->rightLabel8, 4},
        },
    });
}

CCompositeDlg::~CCompositeDlg() = default;

}  // namespace pw::gui
