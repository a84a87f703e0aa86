// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace pw::mapgen {

// Writes the bundled sample map set `set` ("ironfall" or "emberline") into `folder`: its
// terrain panels under their usual names and its legend.txt. Roads and the river cross
// the panel edges at the same places on every panel of a set, so joined panels continue.
// Returns false (after a message on stderr) when the set is unknown or a file cannot be
// written.
bool writeSampleSet(const std::string& set, const std::string& folder);

}  // namespace pw::mapgen
