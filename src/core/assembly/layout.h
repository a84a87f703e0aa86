// SPDX-License-Identifier: GPL-3.0-or-later
// The three layouts as one table of rules, and the shape of slots a merge fills.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The three configurations: 0 Top-to-Bottom, 1 End-to-End, 2 Composite.
enum class Layout { TopToBottom = 0, EndToEnd = 1, Composite = 2 };

// The numbers of maps a layout takes: `first` to `last` in steps of `step`.
struct CountRange {
    int first;
    int last;
    int step;

    bool contains(int count) const {
        return count >= first && count <= last && (count - first) % step == 0;
    }
};

// Everything in which the layouts differ. All else follows from the shape: every layout
// tiles its sources in rows by columns of slots, filled row by row and left before right;
// only sources in one column meet at a junction, so only they consult their L/R marks;
// labels move right by the slots to their left and down by the slots above them, in each
// direction that has more than one slot; a row that another source's row follows on the
// same line is filled to the panel length. The tally is the same closed form for all.
struct LayoutRules {
    std::string_view name;  // as the command line spells it
    CountRange counts;
    int columns;  // slots per row; 0: all sources side by side in one row
    // Composite checks row by row: a size failure leaves the rest of its row and goes on
    // with the next, and an empty slot is named by its row and column ("1,0").
    bool checksByRow;
};

inline constexpr std::array<LayoutRules, 3> kLayoutRules = {{
    {"top-to-bottom", {2, 4, 1}, 1, false},
    {"end-to-end", {2, 3, 1}, 0, false},
    {"composite", {4, 8, 2}, 2, true},
}};

// The most sources any layout sets side by side, and one above the other: a joined map is
// at most this many source lengths long and source heights high.
constexpr int mostColumns() {
    int most = 0;
    for (const LayoutRules& rules : kLayoutRules) {
        const int columns = rules.columns == 0 ? rules.counts.last : rules.columns;
        most = columns > most ? columns : most;
    }
    return most;
}
constexpr int mostRows() {
    int most = 0;
    for (const LayoutRules& rules : kLayoutRules) {
        const int rows = rules.columns == 0 ? 1 : rules.counts.last / rules.columns;
        most = rows > most ? rows : most;
    }
    return most;
}

const LayoutRules& rulesOf(Layout layout);
inline CountRange countRange(Layout layout) {
    return rulesOf(layout).counts;
}
inline std::string_view layoutName(Layout layout) {
    return rulesOf(layout).name;
}

// Whether a layout's sources ever meet at a junction, where their L/R marks count: not
// when they all lie side by side in one row.
inline bool consultsMarks(Layout layout) {
    return rulesOf(layout).columns != 0;
}

// The main dialog hands a composer dialog the number of maps, or for a layout of fixed
// columns (Composite) the number of rows.
inline int handedCount(Layout layout, int mapCount) {
    const int columns = rulesOf(layout).columns;
    return columns > 1 ? mapCount / columns : mapCount;
}
inline int mapCountOf(Layout layout, int handed) {
    const int columns = rulesOf(layout).columns;
    return columns > 1 ? handed * columns : handed;
}

// The slots of one merge: `rows` by `columns`.
struct LayoutShape {
    Layout layout;
    int rows;
    int columns;

    int slotCount() const { return rows * columns; }
    int rowOf(int slot) const { return slot / columns; }
    int columnOf(int slot) const { return slot % columns; }
    // How messages name a slot: its number from 1, or "row,column" from 0 for a layout
    // that checks by rows.
    std::string slotName(int slot) const;
    const LayoutRules& rules() const { return rulesOf(layout); }
};

// The shape for a number of sources, or nullopt when the layout does not take that many.
std::optional<LayoutShape> shapeFor(Layout layout, int sourceCount);

std::optional<Layout> layoutFromName(std::string_view name);

}  // namespace pw
