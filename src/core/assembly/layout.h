#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The three configurations: 0 Top-to-Bottom, 1 End-to-End, 2 Composite.
enum class Layout { TopToBottom = 0, EndToEnd = 1, Composite = 2 };

// Every layout tiles its sources in `rows` by `columns` slots, filled row by row and
// left before right. The few rules in which the layouts differ are spelled out here.
struct LayoutShape {
    Layout layout;
    int rows;
    int columns;

    int slotCount() const { return rows * columns; }
    int rowOf(int slot) const { return slot / columns; }
    int columnOf(int slot) const { return slot % columns; }
};

// The numbers of maps a layout takes: `first` to `last` in steps of `step`.
struct CountRange {
    int first;
    int last;
    int step;

    bool contains(int count) const {
        return count >= first && count <= last && (count - first) % step == 0;
    }
};

// Top-to-Bottom 2 to 4, End-to-End 2 or 3, Composite 4, 6 or 8.
CountRange countRange(Layout layout);

// The shape for a number of sources, or nullopt when the layout does not take that many
// (Top-to-Bottom 2 to 4, End-to-End 2 or 3, Composite 4, 6 or 8).
std::optional<LayoutShape> shapeFor(Layout layout, int sourceCount);

std::string_view layoutName(Layout layout);
std::optional<Layout> layoutFromName(std::string_view name);

}  // namespace pw
