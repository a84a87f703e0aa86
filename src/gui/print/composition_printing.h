// SPDX-License-Identifier: GPL-3.0-or-later
// Print... in the composers: the composition joined in memory, then its sheets printed.
#pragma once

#include <QString>

#include "jobs/picture_job.h"

class QWidget;

namespace pw::gui {

class UserPrompts;

// Print... of a composition: joined in memory with Save Image's checks, so that an empty or
// damaged slot gets Save Image's message and nothing is printed, then printMap() of the
// joined map as `job`'s picture draws it (its PDF's cell size first). The sheets name the
// map `mapName` (the remembered map file), or an untitled map without one.
void printComposition(const PictureJob& job, const QString& mapName, UserPrompts& prompts,
                      QWidget& parent);

}  // namespace pw::gui
