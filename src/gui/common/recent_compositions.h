// SPDX-License-Identifier: GPL-3.0-or-later
// The compositions the composer dialogs ended with, kept as setups in the user's data folder.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/common/problem.h"
#include "core/setup/setup.h"

namespace pw::gui {

struct DialogEnvironment;

// How many compositions are kept; the oldest goes when one more comes.
inline constexpr int kRecentCompositionCount = 10;

// A kept composition: its setup file and what it holds.
struct KeptComposition {
    QString path;
    Setup setup;
};

// Where a composition to keep is made for: a setup file in the user's data folder, so that
// its panels are named from there; empty when there is no such folder.
QString compositionSetupPath(const DialogEnvironment& environment);

// The kept compositions, newest first; one whose file is gone or cannot be read is passed
// over. The single last composition of earlier versions is the newest while none is listed.
std::vector<KeptComposition> recentCompositions(const DialogEnvironment& environment);

// Keeps `setup` (made for compositionSetupPath()) as the newest: an equal one moves to the
// top instead, and the oldest beyond kRecentCompositionCount goes. A new file is written
// whole through the safe save before the list names it; on a problem nothing changes.
std::optional<Problem> keepComposition(const DialogEnvironment& environment, const Setup& setup);

}  // namespace pw::gui
