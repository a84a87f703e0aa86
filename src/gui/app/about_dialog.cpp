// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, filled with the program's pictures.
#include "gui/app/about_dialog.h"

#include "ui_about_dialog.h"

namespace pw::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()) {
    ui_->setupUi(this);
    ui_->aboutIcon->load(QStringLiteral(":/art/about_icon.svg"));
    ui_->aboutPicture->load(QStringLiteral(":/art/about.svg"));
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutDialog::~AboutDialog() = default;

}  // namespace pw::gui
