// SPDX-License-Identifier: GPL-3.0-or-later
// A request joined in memory for the preview, empty panels standing for failed slots.
#pragma once

#include <QByteArray>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/assembly/map_writer.h"
#include "core/assembly/merge_request.h"
#include "core/common/problem.h"

namespace pw {

// The map that Save Map would write for a request, joined in memory for a preview. A slot
// that is empty or whose source fails a check is joined as an empty panel of the common
// size, and its problem is worded as Save Map words it.
struct JoinedMap {
    QByteArray bytes;  // the joined map; empty when nothing could be joined
    // Per slot, slot order: why the slot is joined as an empty panel; nullopt when it is fine.
    std::vector<std::optional<Problem>> slotProblems;
    LayoutShape shape{Layout::TopToBottom, 0, 0};
    int panelLength = 0;  // cells of one panel, the seams' spacing
    int panelHeight = 0;
    std::vector<Cell> fixedCells;  // the cells of layer "b" that the junction fix-up changed
    bool cancelled = false;        // `cancel` was raised before the join was complete
};

// Joins the request's slots in memory, never touching the disk. `cancel`, when given, is
// polled while writing, so that a newer request can supersede this one. A join for the
// cells alone (the seam check) leaves the labels out: its memory is then bounded by the
// map's size, whatever the sources' label sections hold.
enum class JoinedLabels { Kept, LeftOut };
JoinedMap joinInMemory(const MergeRequest& request, const std::atomic<bool>* cancel = nullptr,
                       JoinedLabels labels = JoinedLabels::Kept);

}  // namespace pw
