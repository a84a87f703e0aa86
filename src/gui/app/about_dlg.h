#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDlg;
}

namespace pw::gui {

// "About Boardsmith": the product, its version and its pictures.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

  private:
    std::unique_ptr<Ui::AboutDlg> ui_;
};

}  // namespace pw::gui
