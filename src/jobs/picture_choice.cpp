// SPDX-License-Identifier: GPL-3.0-or-later
// The defaults of a joined map's picture, and the format a picture's name says.
#include "jobs/picture_choice.h"

namespace pw {

PictureChoice joinedMapPicture() {
    PictureChoice choice;
    choice.labels = LabelMode::Placed;
    choice.seams = true;
    choice.fixUps = true;
    return choice;
}

std::optional<PictureFormat> formatOf(const PictureChoice& choice, const std::string& path) {
    if (choice.formatGiven) {
        return choice.file.format;
    }
    return formatForName(path);
}

}  // namespace pw
