// SPDX-License-Identifier: GPL-3.0-or-later
// The names of what a picture shows, read.
#include "render/shown_section.h"

namespace pw {

std::optional<ShownSection> parseShownSection(std::string_view text) {
    if (text == "first") {
        return ShownSection{};
    }
    if (text == "second") {
        return ShownSection{RenderSection::SecondGrid};
    }
    if (text.size() == 1 && isLayerLetter(text.front())) {
        return ShownSection{RenderSection::Layer, text.front()};
    }
    return std::nullopt;
}

}  // namespace pw
