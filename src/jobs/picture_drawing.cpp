// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's choices turned into render's options.
#include "jobs/picture_drawing.h"

namespace pw {

RenderOptions renderOptionsOf(const PictureChoice& choice, std::optional<Legend> legend) {
    RenderOptions options;
    options.section = choice.section;
    options.layer = choice.layer;
    options.labels = choice.labels != LabelMode::None;
    options.labelOverlap =
        choice.labels == LabelMode::All ? LabelOverlap::DrawAll : LabelOverlap::LeaveOut;
    options.cellSize = choice.scale;
    options.grid = choice.grid;
    if (choice.seams) {
        options.panelLength = choice.panelLength;
        options.panelHeight = choice.panelHeight;
    }
    options.legend = std::move(legend);
    return options;
}

void drawOverJoin(RenderOptions& options, const PictureChoice& choice, int panelLength,
                  int panelHeight, const std::vector<Cell>& fixedCells) {
    if (choice.seams) {
        options.panelLength = panelLength;
        options.panelHeight = panelHeight;
    }
    if (choice.fixUps) {
        for (const auto& [column, row] : fixedCells) {
            options.highlights.emplace_back(column, row);
        }
    }
}

}  // namespace pw
