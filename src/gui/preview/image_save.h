// SPDX-License-Identifier: GPL-3.0-or-later
// "Save Image...": the preview's picture saved through Save Map's pipeline.
#pragma once

#include <QString>
#include <vector>

#include "core/common/problem.h"
#include "jobs/picture_job.h"

class QWidget;

namespace pw::gui {

class UserPrompts;

// "Save Image...": the picture that merge --image draws of the job, saved through Save
// Map's pipeline, so that it refuses what Save Map refuses with Save Map's messages and
// writes nothing then. The map is joined in memory only; the picture names it as merge
// --image names its map: `rememberedMap` (the map file Save Map remembers), else the
// picture's name ending in .map. Asks for the picture's name once the checks have passed
// and nothing of `knownDamage` is left (the damage the lists found in the chosen panels),
// and confirms the saved picture.
void saveImageOf(const PictureJob& job, const QString& rememberedMap, UserPrompts& prompts,
                 QWidget& parent, std::vector<Problem> knownDamage = {});

}  // namespace pw::gui
