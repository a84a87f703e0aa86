// SPDX-License-Identifier: GPL-3.0-or-later
// Save Image: the preview's picture written through Save Map's steps.
#pragma once

#include <QString>

#include "core/assembly/merge_request.h"
#include "render/render_options.h"

class QWidget;

namespace pw::gui {

class UserPrompts;

// What "Save Image..." draws: the options shown (at the picture's own scale), whether the
// fix-up highlight and the seam check's marks are on, and the map file Save Map remembers
// (empty when none is).
struct ImageChoice {
    RenderOptions options;
    bool fixUps = true;
    bool seamMarks = false;
    QString rememberedMap;
};

// "Save Image...": the picture that merge --image draws of the request, saved through Save
// Map's pipeline, so that it refuses what Save Map refuses with Save Map's messages and
// writes nothing then. The map is joined in memory only; the picture names it as merge
// --image names its map: the remembered map file, else the picture's name ending in .map.
// Asks for the picture's name once the checks have passed, and confirms the saved picture.
void saveImageOf(const MergeRequest& request, const ImageChoice& choice, UserPrompts& prompts,
                 QWidget& parent);

}  // namespace pw::gui
