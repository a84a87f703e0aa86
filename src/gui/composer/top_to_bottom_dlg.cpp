#include "gui/composer/top_to_bottom_dlg.h"

#include "ui_top_to_bottom_dlg.h"

namespace pw::gui {

CTopToBottomDlg::CTopToBottomDlg(int mapCount, int mapSetIndex,
                                 const DialogEnvironment& environment, QWidget* parent)
    : CComposerDlg(Layout::TopToBottom, mapCount, mapSetIndex, environment, parent),
      ui_(std::make_unique<Ui::TopToBottomDlg>()) {
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
            {ui_->mapList4, ui_->slotArrow4, ui_->slotPanel4, ui_->leftLabel4, ui_->rightLabel4, 4},
        },
    });
}

CTopToBottomDlg::~CTopToBottomDlg() = default;

}  // namespace pw::gui
