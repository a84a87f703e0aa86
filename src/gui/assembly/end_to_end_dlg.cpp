#include "gui/assembly/end_to_end_dlg.h"

#include "ui_end_to_end_dlg.h"

namespace pw::gui {

CEndToEndDlg::CEndToEndDlg(int mapCount, int mapSetIndex, const DialogEnvironment& environment,
                           QWidget* parent)
    : CComposerDlg(Layout::EndToEnd, mapCount, mapSetIndex, environment, parent),
      ui_(std::make_unique<Ui::EndToEndDlg>()) {
    ui_->setupUi(this);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    attachWidgets({
        ui_->mapSetPicture,
        ui_->directionLabel,
        ui_->directionButton,
        ui_->saveMapButton,
        {
            {ui_->mapList1, ui_->slotArrow1, ui_->slotPanel1, ui_->leftLabel1, ui_->rightLabel1, 0},
            {ui_->mapList2, ui_->slotArrow2, ui_->slotPanel2, ui_->leftLabel2, ui_->rightLabel2, 0},
            {ui_->mapList3, ui_->slotArrow3, ui_->slotPanel3, ui_->leftLabel3, ui_->rightLabel3, 3},
        },
    });
}

CEndToEndDlg::~CEndToEndDlg() = default;

}  // namespace pw::gui
