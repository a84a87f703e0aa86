#include "gui/app/about_dlg.h"

#include "ui_about_dlg.h"

namespace pw::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutDlg>()) {
    ui_->setupUi(this);
    ui_->aboutIcon->load(QStringLiteral(":/art/about_icon.svg"));
    ui_->aboutPicture->load(QStringLiteral(":/art/about.svg"));
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace pw::gui
