#include "gui/app/composer_factory.h"

#include "gui/assembly/composite_dlg.h"
#include "gui/assembly/end_to_end_dlg.h"
#include "gui/composer/top_to_bottom_dlg.h"

namespace pw::gui {

std::unique_ptr<CComposerDlg> makeComposerDlg(Layout layout, int handedCount, int mapSetIndex,
                                              const DialogEnvironment& environment,
                                              QWidget* parent) {
    switch (layout) {
        case Layout::TopToBottom:
            return std::make_unique<CTopToBottomDlg>(handedCount, mapSetIndex, environment, parent);
        case Layout::EndToEnd:
            return std::make_unique<CEndToEndDlg>(handedCount, mapSetIndex, environment, parent);
        case Layout::Composite:
            return std::make_unique<CCompositeDlg>(handedCount, mapSetIndex, environment, parent);
    }
    return nullptr;
}

}  // namespace pw::gui
