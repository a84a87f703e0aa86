// SPDX-License-Identifier: GPL-3.0-or-later
// Print...: the print dialog with the cell size tab, the preview and the printing itself.
#include "gui/print/map_printing.h"

#include <QPrintDialog>
#include <QPrinter>

#include "core/common/messages.h"
#include "gui/common/guide_key.h"
#include "gui/common/guide_pages.h"
#include "gui/common/user_prompts.h"
#include "gui/print/cell_size_tab.h"
#include "gui/print/sheet_preview.h"
#include "render/map_outline.h"
#include "render/pdf_pages.h"
#include "render/picture_messages.h"

namespace pw::gui {
namespace {

PrintedPaper paperOf(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QString name =
        printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    return {layout.fullRect(QPageLayout::Millimeter).size(), layout.pageSize().name().toStdString(),
            name.toStdString()};
}

// Turns the printer's paper as the PDF's sheets lie on paper of that size: the way that
// needs fewer sheets.
void turnAsThePdf(QPrinter& printer, const MapSource& source, const RenderOptions& options,
                  double cellMm) {
    const MapOutline outline = readOutline(source, options);
    const QSizeF portrait = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    const std::optional<PageGrid> grid =
        outline.problem ? std::nullopt
                        : layoutOnPaper(outline.length, outline.height, portrait, cellMm);
    if (grid) {
        printer.setPageOrientation(grid->landscape ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
    }
}

}  // namespace

std::optional<Problem> printOn(QPrinter& printer, const MapSource& source,
                               const RenderOptions& options, const PrintOptions& print) {
    printer.setFullPage(true);  // the sheets hold their own margins
    return printSheets(source, options, print, paperOf(printer), printer, [&printer] {
        return printer.printerState() == QPrinter::Error ||
               printer.printerState() == QPrinter::Aborted;
    });
}

std::optional<Problem> printMapProblem(QWidget* parent, const MapSource& source,
                                       const RenderOptions& options, double cellMm) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(source.name));
    PrintOptions print;
    print.cellMm = cellMm;
    if (const QByteArray chosen = qgetenv(kPrinterVariable); !chosen.isEmpty()) {
        printer.setPrinterName(QString::fromLocal8Bit(chosen));
        if (printer.printerName() != QString::fromLocal8Bit(chosen)) {  // no such printer
            return Problem{
                messages::unableToPrint(chosen.toStdString(), PictureMessages::printerNotReady())};
        }
        turnAsThePdf(printer, source, options, cellMm);
        return printOn(printer, source, options, print);
    }
    turnAsThePdf(printer, source, options, cellMm);
    QPrintDialog dialog(&printer, parent);
    auto* sheets = new CellSizeTab(cellMm);
    dialog.setOptionTabs({sheets});
    offerGuideAsOwnerDoes(dialog, QString::fromLatin1(guide::kPrinting));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    print.cellMm = sheets->cellMm();
    printer.setFullPage(true);
    if (std::optional<Problem> refused =
            checkPrintedSheets(source, options, print, paperOf(printer))) {
        return refused;
    }
    SheetPreview preview(
        printer, [&](QPrinter* shown) { printOn(*shown, source, options, print); }, parent);
    if (preview.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return printOn(printer, source, options, print);
}

void printMap(QWidget* parent, const MapSource& source, const RenderOptions& options, double cellMm,
              UserPrompts& prompts) {
    if (const std::optional<Problem> failed = printMapProblem(parent, source, options, cellMm)) {
        prompts.showError(parent, QString::fromStdString(failed->message));
    }
}

}  // namespace pw::gui
