// SPDX-License-Identifier: GPL-3.0-or-later
// What render draws for a picture's choices: the one conversion into render's options.
#pragma once

#include <optional>
#include <vector>

#include "core/assembly/map_writer.h"
#include "jobs/picture_choice.h"
#include "render/legend.h"
#include "render/render_options.h"

namespace pw {

// What render draws for `choice` in `legend`'s colours (the built-in palette without one):
// the cells it shows at its scale, its labels, and the seams between panels of its size.
RenderOptions renderOptionsOf(const PictureChoice& choice, std::optional<Legend> legend);

// The same over a joined map of panels `panelLength` by `panelHeight` cells: the seams
// between them, and the cells that the junction fix-up changed highlighted when the choice
// asks for them.
void drawOverJoin(RenderOptions& options, const PictureChoice& choice, int panelLength,
                  int panelHeight, const std::vector<Cell>& fixedCells);

}  // namespace pw
