#include "gui/assembly/end_to_end_dlg.h"

#include "ui_end_to_end_dlg.h"

namespace pw::gui {

CEndToEndDlg::CEndToEndDlg(int mapCount, int mapSetIndex, const DialogEnvironment& environment,
                           QWidget* parent)
    : CComposerDlg(Layout::EndToEnd, mapCount, mapSetIndex, environment, parent),
      ui_(std::make_unique<Ui::EndToEndDlg>()) {
    ui_->setupUi(this);
    // Slot 3 comes with three maps.
    attachWidgets(findComposerWidgets(*this, {0, 0, 3}));
}

CEndToEndDlg::~CEndToEndDlg() = default;

}  // namespace pw::gui
