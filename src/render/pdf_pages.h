// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF writer: an overview sheet, then the map split across printed sheets.
#pragma once

#include <optional>
#include <string>

#include "core/common/problem.h"
#include "core/output/output_file.h"
#include "render/map_source.h"
#include "render/print_layout.h"
#include "render/render_options.h"

namespace pw {

// Writes the sheets of print_layout.h, after an overview sheet, into `output`; nothing is
// committed. `outputName` names the PDF in messages.
std::optional<Problem> writePdf(const MapSource& source, const RenderOptions& options,
                                const PrintOptions& print, OutputFile& output,
                                const std::string& outputName);

}  // namespace pw
