#include "core/assembly/layout.h"

namespace pw {

CountRange countRange(Layout layout) {
    switch (layout) {
        case Layout::TopToBottom:
            return {2, 4, 1};
        case Layout::EndToEnd:
            return {2, 3, 1};
        case Layout::Composite:
            return {4, 8, 2};
    }
    return {0, -1, 1};
}

std::optional<LayoutShape> shapeFor(Layout layout, int sourceCount) {
    if (!countRange(layout).contains(sourceCount)) {
        return std::nullopt;
    }
    // Stacked maps fill one column, side-by-side maps one row, Composite two columns.
    switch (layout) {
        case Layout::TopToBottom:
            return LayoutShape{layout, sourceCount, 1};
        case Layout::EndToEnd:
            return LayoutShape{layout, 1, sourceCount};
        case Layout::Composite:
            return LayoutShape{layout, sourceCount / 2, 2};
    }
    return std::nullopt;
}

std::string_view layoutName(Layout layout) {
    switch (layout) {
        case Layout::TopToBottom:
            return "top-to-bottom";
        case Layout::EndToEnd:
            return "end-to-end";
        case Layout::Composite:
            return "composite";
    }
    return "";
}

std::optional<Layout> layoutFromName(std::string_view name) {
    for (Layout layout : {Layout::TopToBottom, Layout::EndToEnd, Layout::Composite}) {
        if (layoutName(layout) == name) {
            return layout;
        }
    }
    return std::nullopt;
}

}  // namespace pw
