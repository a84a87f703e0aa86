#include "core/assembly/layout.h"

namespace pw {

std::optional<LayoutShape> shapeFor(Layout layout, int sourceCount) {
    switch (layout) {
        case Layout::TopToBottom:
            if (sourceCount >= 2 && sourceCount <= 4) {
                return LayoutShape{layout, sourceCount, 1};
            }
            break;
        case Layout::EndToEnd:
            if (sourceCount >= 2 && sourceCount <= 3) {
                return LayoutShape{layout, 1, sourceCount};
            }
            break;
        case Layout::Composite:
            if (sourceCount == 4 || sourceCount == 6 || sourceCount == 8) {
                return LayoutShape{layout, sourceCount / 2, 2};
            }
            break;
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
