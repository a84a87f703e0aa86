// SPDX-License-Identifier: GPL-3.0-or-later
// A setup's picture options turned into a picture's choices and back.
#pragma once

#include <optional>
#include <string>

#include "core/common/problem.h"
#include "core/setup/setup.h"
#include "jobs/picture_choice.h"

namespace pw {

// The options a setup keeps for `choice`: those that differ from merge --image's.
SetupPictureOptions setupPictureOptionsOf(const PictureChoice& choice);

// The choice a setup's options ask for a picture at `file`: each option it gives read into
// merge --image's defaults. An option that merge --image would refuse keeps its default,
// and `problem` is the first such refusal: `run` refuses the picture, the dialogs show the
// rest.
struct SetupPicture {
    PictureChoice choice;
    std::optional<Problem> problem;
};
SetupPicture pictureChoiceOfSetup(const SetupPictureOptions& options, const std::string& file);

// The options of `kept` with the four the preview chooses (show, labels, fix-ups, seam
// marks) taken from `shown`: every label's text stays as kept while the labels are shown,
// and whatever else `kept` gives (a PDF's paper) stays as it is.
SetupPictureOptions withShownChoices(SetupPictureOptions kept, const PictureChoice& shown);

}  // namespace pw
