// SPDX-License-Identifier: GPL-3.0-or-later
// A panel's small picture for the slot lists.
#pragma once

#include <QImage>
#include <QSize>
#include <optional>

#include "render/legend.h"
#include "render/map_source.h"

namespace pw {

// A small picture of a panel: its first grid alone (no labels, seams or compass), in the
// map set's colours, scaled to fit within `box` with its proportions kept. Null when the
// map cannot be drawn (a missing or impossible version or size line).
QImage drawThumbnail(const MapSource& source, QSize box, const std::optional<Legend>& legend);

}  // namespace pw
