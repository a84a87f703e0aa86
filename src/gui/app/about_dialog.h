// SPDX-License-Identifier: GPL-3.0-or-later
// The About box of the program.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDialog;
}

namespace pw::gui {

// "About Boardsmith": the product, its version and its pictures.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

  private:
    std::unique_ptr<Ui::AboutDialog> ui_;
};

}  // namespace pw::gui
