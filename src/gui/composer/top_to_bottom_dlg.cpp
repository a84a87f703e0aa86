#include "gui/composer/top_to_bottom_dlg.h"

#include "ui_top_to_bottom_dlg.h"

namespace pw::gui {

CTopToBottomDlg::CTopToBottomDlg(int mapCount, int mapSetIndex,
                                 const DialogEnvironment& environment, QWidget* parent)
    : CComposerDlg(Layout::TopToBottom, mapCount, mapSetIndex, environment, parent),
      ui_(std::make_unique<Ui::TopToBottomDlg>()) {
    ui_->setupUi(this);
    // Slots 3 and 4 come with three and four maps.
    attachWidgets(findComposerWidgets(*this, {0, 0, 3, 4}));
}

CTopToBottomDlg::~CTopToBottomDlg() = default;

}  // namespace pw::gui
