// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF writer and the printer's pages: an overview sheet with the sheet grid, then the
// map split across sheets of shapes and text with crop marks and each sheet's place in its margin.
#include "render/pdf_pages.h"

#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <deque>
#include <functional>

#include "core/common/messages.h"
#include "render/picture_drawer.h"
#include "render/picture_messages.h"
#include "render/sheet_painter.h"

namespace pw {
namespace {

// Qt's PDF writer writes to a device: this one hands every byte to the output file.
class OutputDevice final : public QIODevice {
  public:
    explicit OutputDevice(OutputFile& output) : output_(output) { open(QIODevice::WriteOnly); }
    bool failed() const { return failed_; }
    std::string reason() const { return output_.errorString(); }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (failed_ || !output_.write(data, static_cast<std::size_t>(size))) {
            failed_ = true;
            return -1;
        }
        return size;
    }

  private:
    OutputFile& output_;
    bool failed_ = false;
};

constexpr int kPdfResolution = 1200;  // the writer's units per inch
constexpr double kMarkMm = 6;         // crop marks, outside the map's corners
constexpr double kMarkGapMm = 1.5;
// The overview is the one picture of the file, at the resolution asked for but never
// more pixels than a cell deserves.
constexpr int kLargestOverviewCell = 16;

double units(double mm) {
    return mm * kPdfResolution / 25.4;
}

QRectF unitsRect(double left, double top, double width, double height) {
    return {units(left), units(top), units(width), units(height)};
}

QString sheetName(int row, int column) {
    return QStringLiteral("%1,%2").arg(row + 1).arg(column + 1);
}

// Short lines in the margin along the edges of `area` at its corners, where the sheet is
// cut, and a dashed tick where the next sheet's share begins.
void drawCropMarks(QPainter& painter, const QRectF& area, std::optional<double> overlapRight,
                   std::optional<double> overlapBottom) {
    painter.setPen(QPen(Qt::black, units(0.2)));
    const double gap = units(kMarkGapMm);
    const double mark = units(kMarkMm);
    for (const double x : {area.left(), area.right()}) {
        painter.drawLine(QPointF(x, area.top() - gap), QPointF(x, area.top() - gap - mark));
        painter.drawLine(QPointF(x, area.bottom() + gap), QPointF(x, area.bottom() + gap + mark));
    }
    for (const double y : {area.top(), area.bottom()}) {
        painter.drawLine(QPointF(area.left() - gap, y), QPointF(area.left() - gap - mark, y));
        painter.drawLine(QPointF(area.right() + gap, y), QPointF(area.right() + gap + mark, y));
    }
    QPen dashed(Qt::darkGray, units(0.2), Qt::DashLine);
    painter.setPen(dashed);
    if (overlapRight) {
        for (const double y : {area.top() - gap, area.bottom() + gap + mark}) {
            painter.drawLine(QPointF(*overlapRight, y), QPointF(*overlapRight, y - mark));
        }
    }
    if (overlapBottom) {
        for (const double x : {area.left() - gap, area.right() + gap + mark}) {
            painter.drawLine(QPointF(x, *overlapBottom), QPointF(x - mark, *overlapBottom));
        }
    }
}

void drawMarginText(QPainter& painter, double topMm, const QString& text) {
    QFont font;
    font.setPixelSize(static_cast<int>(units(3)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(unitsRect(kMarginMm, topMm, 400, 6), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// Sheet one: the whole map fitted inside the margins, with the grid of the sheets after it.
void drawOverview(QPainter& painter, const OpenedMap& map, RenderOptions options,
                  const PageGrid& grid, int dpi) {
    const MapOutline& outline = map.outline;
    const QSizeF room(grid.paperMm.width() - 2 * kMarginMm,
                      grid.paperMm.height() - 2 * kMarginMm - 8);
    const int length = std::max(outline.length, 1);
    const int height = std::max(outline.height, 1);
    const double mmPerCell = std::min(room.width() / length, room.height() / height);
    options.cellSize =
        std::clamp(static_cast<int>(mmPerCell / 25.4 * dpi), 1, kLargestOverviewCell);
    const RenderResult whole = renderMap(map, options);
    const QRectF area = unitsRect(kMarginMm, kMarginMm + 8, length * mmPerCell, height * mmPerCell);
    if (!whole.image.isNull()) {
        // Flat colours and sharp edges: Flate keeps them as drawn, where JPEG would blur them.
        painter.save();
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.drawImage(area, whole.image);
        painter.restore();
    }
    drawMarginText(painter, kMarginMm - 6,
                   QString::fromStdString(PictureMessages::overviewCaption(
                       map.name, outline.length, outline.height, grid.sheetCount(), grid.columns,
                       grid.rows, grid.overlap)));
    const double scale = area.width() / length;
    QFont font;
    font.setPixelSize(static_cast<int>(units(3)));
    painter.setFont(font);
    for (int row = 0; row < grid.rows; ++row) {
        for (int column = 0; column < grid.columns; ++column) {
            const QRect cells = grid.cellsOf(row, column, length, height);
            const QRectF sheet(area.left() + cells.x() * scale, area.top() + cells.y() * scale,
                               cells.width() * scale, cells.height() * scale);
            painter.setPen(QPen(QColor(0, 70, 200), units(0.3)));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(sheet);
            painter.drawText(sheet.adjusted(units(1), units(0.5), 0, 0),
                             Qt::AlignLeft | Qt::AlignTop, sheetName(row, column));
        }
    }
}

// The overview, then the sheets of `grid`, each on a page of its own, until `stopped`.
void drawSheets(QPainter& painter, QPagedPaintDevice& device, const OpenedMap& map,
                const RenderOptions& options, const PrintOptions& print, const PageGrid& grid,
                const std::function<bool()>& stopped) {
    const MapOutline& outline = map.outline;
    drawOverview(painter, map, options, grid, print.dpi);

    // The sheets, a row of them at a time: the rows of cells they show are read once
    // and kept while a sheet row needs them (rows are shared between sheet rows).
    const SheetPainter sheets(options, outline, print.cellMm);
    CellRowStream stream(map);
    std::deque<std::pair<std::string, std::string>> kept;
    int firstKept = 0;
    const int length = std::max(outline.length, 1);
    const int height = std::max(outline.height, 1);
    for (int row = 0; row < grid.rows && !stopped(); ++row) {
        const QRect band = grid.cellsOf(row, 0, length, height);
        while (firstKept < band.top()) {
            kept.pop_front();
            ++firstKept;
        }
        while (firstKept + static_cast<int>(kept.size()) <= band.bottom()) {
            std::pair<std::string, std::string>& next = kept.emplace_back();
            if (firstKept + static_cast<int>(kept.size()) <= outline.height) {
                stream.next(next.first, next.second);
            }
        }
        const SheetRows rows(kept.begin(), kept.end());
        for (int column = 0; column < grid.columns && !stopped(); ++column) {
            const QRect cells = grid.cellsOf(row, column, length, height);
            device.newPage();
            const QRectF area = unitsRect(kMarginMm, kMarginMm, cells.width() * print.cellMm,
                                          cells.height() * print.cellMm);
            sheets.draw(painter, area, rows, cells);
            const bool more = column + 1 < grid.columns;
            const bool below = row + 1 < grid.rows;
            drawCropMarks(
                painter, area,
                more ? std::optional(area.left() +
                                     units((grid.cellsAcross - grid.overlap) * print.cellMm))
                     : std::nullopt,
                below ? std::optional(area.top() +
                                      units((grid.cellsDown - grid.overlap) * print.cellMm))
                      : std::nullopt);
            drawMarginText(painter, 1.5,
                           QString::fromStdString(PictureMessages::sheetCaption(
                               row + 1, grid.rows, column + 1, grid.columns, cells.left(),
                               cells.right(), cells.top(), cells.bottom())));
        }
    }
}

// The reason a map's sheets are refused before a page is drawn, and whether it is the
// output that cannot be made (too many sheets) rather than written (too large a cell).
struct Refusal {
    std::string reason;
    bool tooMany = false;
};

std::optional<Refusal> refusalOf(const std::optional<PageGrid>& grid, const PrintOptions& print,
                                 const std::string& paper) {
    if (!grid) {
        return Refusal{PictureMessages::cellTooLargeForPaper(print.cellMm, paper)};
    }
    // The largest map at the largest cells would start about a million sheets.
    if (const int sheets = grid->sheetCount() + 1; sheets > kMostSheets) {
        return Refusal{PictureMessages::tooManySheets(sheets, kMostSheets, print.cellMm), true};
    }
    return std::nullopt;
}

// The grid of sheets on a printer's paper, or the problem that refuses them.
struct PrintedGrid {
    std::optional<PageGrid> grid;
    std::optional<Problem> problem;
};

PrintedGrid printedGrid(const MapOutline& outline, const PrintOptions& print,
                        const PrintedPaper& paper) {
    if (outline.problem) {
        return {std::nullopt, outline.problem};
    }
    const std::optional<PageGrid> grid =
        layoutOnSheet(outline.length, outline.height, paper.sheetMm, print.cellMm);
    if (const std::optional<Refusal> refused = refusalOf(grid, print, paper.paperName)) {
        return {std::nullopt, Problem{messages::unableToPrint(paper.printerName, refused->reason)}};
    }
    return {grid, std::nullopt};
}

}  // namespace

std::optional<Problem> writePdf(const MapSource& source, const RenderOptions& options,
                                const PrintOptions& print, OutputFile& output,
                                const std::string& outputName) {
    const OpenedMap map = openMap(source, options);
    const MapOutline& outline = map.outline;
    if (outline.problem) {
        return outline.problem;
    }
    const std::optional<PageGrid> grid = layoutPages(outline.length, outline.height, print);
    if (const std::optional<Refusal> refused =
            refusalOf(grid, print, std::string(paperInfo(print.paper).name))) {
        return Problem{refused->tooMany ? messages::unableToCreate(outputName, refused->reason)
                                        : messages::unableToWrite(outputName, refused->reason)};
    }
    OutputDevice device(output);
    {
        QPdfWriter writer(&device);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Boardsmith"));
        writer.setTitle(QString::fromStdString(source.name));
        writer.setPageSize(QPageSize(grid->paperMm, QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        drawSheets(painter, writer, map, options, print, *grid,
                   [&device] { return device.failed(); });
        painter.end();
    }
    if (device.failed()) {
        return Problem{messages::unableToWrite(outputName, device.reason())};
    }
    return std::nullopt;
}

std::optional<Problem> checkPrintedSheets(const MapSource& source, const RenderOptions& options,
                                          const PrintOptions& print, const PrintedPaper& paper) {
    return printedGrid(readOutline(source, options), print, paper).problem;
}

std::optional<Problem> printSheets(const MapSource& source, const RenderOptions& options,
                                   const PrintOptions& print, const PrintedPaper& paper,
                                   QPagedPaintDevice& printer,
                                   const std::function<bool()>& stopped) {
    const OpenedMap map = openMap(source, options);
    const PrintedGrid planned = printedGrid(map.outline, print, paper);
    if (planned.problem) {
        return planned.problem;
    }
    QPainter painter(&printer);
    if (!painter.isActive()) {
        return Problem{
            messages::unableToPrint(paper.printerName, PictureMessages::printerNotReady())};
    }
    // The sheets are drawn in the PDF's units; the printer has its own resolution.
    painter.scale(printer.logicalDpiX() / static_cast<double>(kPdfResolution),
                  printer.logicalDpiY() / static_cast<double>(kPdfResolution));
    drawSheets(painter, printer, map, options, print, *planned.grid, stopped);
    painter.end();
    if (stopped()) {
        return Problem{
            messages::unableToPrint(paper.printerName, PictureMessages::printerNotReady())};
    }
    return std::nullopt;
}

}  // namespace pw
