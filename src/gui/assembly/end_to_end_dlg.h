#pragma once

#include <memory>

#include "gui/composer/composer_dlg.h"

namespace Ui {
class EndToEndDlg;
}

namespace pw::gui {

// Two or three maps side by side, slot 1 at the left. Its marks are shown, never kept:
// side-by-side joins do not depend on them.
class CEndToEndDlg : public CComposerDlg {
    Q_OBJECT

  public:
    CEndToEndDlg(int mapCount, int mapSetIndex, const DialogEnvironment& environment,
                 QWidget* parent = nullptr);
    ~CEndToEndDlg() override;

  private:
    std::unique_ptr<Ui::EndToEndDlg> ui_;
};

}  // namespace pw::gui
