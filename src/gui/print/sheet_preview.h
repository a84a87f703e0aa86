// SPDX-License-Identifier: GPL-3.0-or-later
// The preview of the printed sheets, shown before they go to the printer.
#pragma once

#include <QDialog>
#include <functional>

class QPrinter;

namespace pw::gui {

// The sheets as the printer will get them, page by page, with Print and Cancel: Print
// (accept) sends them. `paint` draws them onto the preview's printer.
class SheetPreview : public QDialog {
    Q_OBJECT

  public:
    SheetPreview(QPrinter& printer, std::function<void(QPrinter*)> paint,
                 QWidget* parent = nullptr);
};

}  // namespace pw::gui
