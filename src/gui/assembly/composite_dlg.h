#pragma once

#include <memory>

#include "gui/composer/composer_dlg.h"

namespace Ui {
class CompositeDlg;
}

namespace pw::gui {

// Two columns of two to four rows; `rowCount` is half the main dialog's number of maps.
// Slots are numbered row by row, left before right.
class CCompositeDlg : public CComposerDlg {
    Q_OBJECT

  public:
    CCompositeDlg(int rowCount, int mapSetIndex, const DialogEnvironment& environment,
                  QWidget* parent = nullptr);
    ~CCompositeDlg() override;

  private:
    std::unique_ptr<Ui::CompositeDlg> ui_;
};

}  // namespace pw::gui
