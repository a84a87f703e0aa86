// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of the printed sheets: Qt's preview of the printer's pages and two buttons.
#include "gui/print/sheet_preview.h"

#include <QDialogButtonBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/guide_key.h"
#include "gui/common/guide_pages.h"

namespace pw::gui {

SheetPreview::SheetPreview(QPrinter& printer, std::function<void(QPrinter*)> paint, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Print Preview"));
    auto* preview = new QPrintPreviewWidget(&printer, this);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->fitInView();
    connect(preview, &QPrintPreviewWidget::paintRequested, this, std::move(paint));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("&Print"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview, 1);
    layout->addWidget(buttons);
    resize(900, 700);
    offerGuideAsOwnerDoes(*this, QString::fromLatin1(guide::kPrinting));
}

}  // namespace pw::gui
