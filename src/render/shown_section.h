// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture shows as --show and a setup name it: a grid or a layer.
#pragma once

#include <optional>
#include <string_view>

#include "core/mapfile/map_format.h"
#include "render/render_options.h"

namespace pw {

struct ShownSection {
    RenderSection section = RenderSection::FirstGrid;
    char layer = kLayerLetters.front();
};

// "first", "second" or a layer letter; nullopt for anything else.
std::optional<ShownSection> parseShownSection(std::string_view text);

}  // namespace pw
