// SPDX-License-Identifier: GPL-3.0-or-later
// A picture the command line writes: whether its name can be used, where it may not go,
// and the legend it is drawn with.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/problem.h"
#include "jobs/picture_choice.h"
#include "render/legend.h"

namespace pw::cli {

// A picture is written under a name Qt holds as text: one that would not come back the
// same is refused (said on stderr) before anything is read or written.
bool pictureNameUsable(const std::string& path);

// The legend beside `legendBeside` (a path); a warning names it beside `shownBeside`, the
// name messages give that file (already escaped), when one is given.
std::optional<Legend> legendBeside(const std::string& legendBeside,
                                   const std::string& shownBeside = {});

// Why a picture may not go to `imagePath`, told before anything is read or written: not
// a regular file, one of the files the command reads or writes besides (each a path and
// the name messages give it, escaped), or a name of another kind of file unless --format
// was given.
std::optional<Problem> refusedPicture(
    const std::string& imagePath, const std::string& imageName, const PictureChoice& picture,
    const std::vector<std::pair<std::string, std::string>>& others);

}  // namespace pw::cli
