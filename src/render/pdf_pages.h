// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF writer and the printer's pages: an overview sheet, then the map split across sheets.
#pragma once

#include <QSizeF>
#include <functional>
#include <optional>
#include <string>

#include "core/common/problem.h"
#include "core/output/output_file.h"
#include "render/map_source.h"
#include "render/print_layout.h"
#include "render/render_options.h"

class QPagedPaintDevice;

namespace pw {

// Writes the sheets of print_layout.h, after an overview sheet, into `output`; nothing is
// committed. `outputName` names the PDF in messages.
std::optional<Problem> writePdf(const MapSource& source, const RenderOptions& options,
                                const PrintOptions& print, OutputFile& output,
                                const std::string& outputName);

// A printer's pages: its paper as it lies, the paper's name and the printer's in messages.
struct PrintedPaper {
    QSizeF sheetMm;
    std::string paperName;
    std::string printerName;
};

// Whether the same sheets, laid out on a printer's paper, fit it: the problem that refuses
// them as the PDF is refused (a cell too large, too many sheets), naming the printer.
std::optional<Problem> checkPrintedSheets(const MapSource& source, const RenderOptions& options,
                                          const PrintOptions& print, const PrintedPaper& paper);

// Draws those sheets onto `printer`'s pages (the origin in the paper's corner), or refuses
// them before a page is drawn as above; `print.paper` is not used. Stops when `stopped`
// says the printer failed.
std::optional<Problem> printSheets(const MapSource& source, const RenderOptions& options,
                                   const PrintOptions& print, const PrintedPaper& paper,
                                   QPagedPaintDevice& printer,
                                   const std::function<bool()>& stopped);

}  // namespace pw
