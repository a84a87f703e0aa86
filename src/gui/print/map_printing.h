// SPDX-License-Identifier: GPL-3.0-or-later
// Print...: a map's sheets, as its PDF holds them, sent to a printer of the system.
#pragma once

#include <optional>

#include "core/common/problem.h"
#include "render/map_source.h"
#include "render/print_layout.h"
#include "render/render_options.h"

class QPrinter;
class QWidget;

namespace pw::gui {

class UserPrompts;

// The printer that Print... uses at once, without a dialog, when this variable of the
// environment names one: for scripts and the tests, on that printer's default paper.
inline constexpr char kPrinterVariable[] = "PANELWRIGHT_PRINTER";

// Print...: the system's print dialog (printer, paper, orientation) with the cell size
// (`cellMm` at first) on a tab of its own, then a preview of the sheets, then the printer.
// The sheets are those of the map's PDF laid out on the chosen paper; they are refused as
// the PDF is (a cell too large, too many sheets) before anything is printed. The paper
// lies at first as the PDF's would. Returns the problem that stopped it, not yet shown.
std::optional<Problem> printMapProblem(QWidget* parent, const MapSource& source,
                                       const RenderOptions& options, double cellMm);

// The same, with the problem shown through `prompts`.
void printMap(QWidget* parent, const MapSource& source, const RenderOptions& options, double cellMm,
              UserPrompts& prompts);

// The sheets onto `printer` as it is set up (printer, paper, orientation), without a dialog.
std::optional<Problem> printOn(QPrinter& printer, const MapSource& source,
                               const RenderOptions& options, const PrintOptions& print);

}  // namespace pw::gui
