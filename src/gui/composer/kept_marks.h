// SPDX-License-Identifier: GPL-3.0-or-later
// A slot's kept L or R mark, as the slot and the preview tell it.
#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "core/assembly/layout.h"

namespace pw::gui {

// A slot's mark and where it came from: a slot keeps its L or R mark when a name without
// a mark is chosen later, and then joins with a mark its name does not show.
struct SlotMark {
    char mark = ' ';
    QString keptFrom;  // the earlier name the mark came from; empty when the name shows it
};

// What the preview says of the kept marks: one sentence per slot that keeps one, and the
// junctions {upper slot, lower slot} those marks change.
struct KeptMarkReport {
    QString note;
    std::vector<std::pair<int, int>> junctions;
};

// Only slots above one another meet at a junction that consults their marks, and only an
// 'L' over an 'R' or an 'R' over an 'L' changes it.
KeptMarkReport describeKeptMarks(const LayoutShape& shape, const std::vector<SlotMark>& slots);

// Beside a slot: "R (kept)", and the tooltip naming the file the mark came from.
QString keptMarkText(const SlotMark& slot);
QString keptMarkToolTip(const SlotMark& slot, const QString& chosenName);

}  // namespace pw::gui
