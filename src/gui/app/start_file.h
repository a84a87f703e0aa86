// SPDX-License-Identifier: GPL-3.0-or-later
// The file named on the command line, opened as what it holds.
#pragma once

#include <string>

namespace pw::gui {

struct DialogEnvironment;
class PanelwrightDialog;

// Opens `path` (its bytes as given) as what it holds, whatever its name: a map (see
// beginsAsMap) in a viewer beside `mainDialog`, anything else as a setup in its composer.
// A file that cannot be read goes where its name points (a .pwsetup to the setup's
// reader, any other to the viewer), which tells why; so does a name Qt cannot hold as text,
// to the viewer, which takes names as bytes.
void openStartFile(const std::string& path, const DialogEnvironment& environment,
                   PanelwrightDialog& mainDialog);

}  // namespace pw::gui
