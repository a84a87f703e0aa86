#include "gui/assembly/composite_dlg.h"

#include "ui_composite_dlg.h"

namespace pw::gui {

CCompositeDlg::CCompositeDlg(int rowCount, int mapSetIndex, const DialogEnvironment& environment,
                             QWidget* parent)
    : CComposerDlg(Layout::Composite, rowCount, mapSetIndex, environment, parent),
      ui_(std::make_unique<Ui::CompositeDlg>()) {
    ui_->setupUi(this);
    // Rows 1 and 2 are always there; row 3 comes with three rows, row 4 with four.
    attachWidgets(findComposerWidgets(*this, {0, 0, 0, 0, 3, 3, 4, 4}));
}

CCompositeDlg::~CCompositeDlg() = default;

}  // namespace pw::gui
