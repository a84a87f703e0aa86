#pragma once

#include <memory>

#include "gui/composer/composer_dlg.h"

namespace Ui {
class TopToBottomDlg;
}

namespace pw::gui {

// Two to four maps stacked, slot 1 at the top.
class CTopToBottomDlg : public CComposerDlg {
    Q_OBJECT

  public:
    CTopToBottomDlg(int mapCount, int mapSetIndex, const DialogEnvironment& environment,
                    QWidget* parent = nullptr);
    ~CTopToBottomDlg() override;

  private:
    std::unique_ptr<Ui::TopToBottomDlg> ui_;
};

}  // namespace pw::gui
