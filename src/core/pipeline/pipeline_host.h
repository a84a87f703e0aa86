// SPDX-License-Identifier: GPL-3.0-or-later
// What the save pipeline asks of whoever runs it, and what a save writes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/common/path_bytes.h"
#include "core/common/problem.h"

namespace pw {

// What a save writes, as its host answers once the sources have passed their checks.
struct SaveTarget {
    // The map file to write; with `mapInMemory`, only the name a picture gives the map.
    std::string map;
    // The picture drawn from the map and saved with it, when the save has one to draw.
    std::string picture;
    // Only the picture is wanted: the map is joined in memory and no file is made for it.
    bool mapInMemory = false;
};

// What the save pipeline needs from whoever runs it: the dialogs, the command line and
// the tests each plug in their own.
class PipelineHost {
  public:
    virtual ~PipelineHost() = default;

    // One "ERROR ..." message, shown on its own.
    virtual void showError(const std::string& message) = 0;
    // The remembered map path ("Saved File Name"), empty when nothing is remembered.
    virtual std::string rememberedPath() = 0;
    // Keeps the path of a map that is written to a file.
    virtual void storeRememberedPath(const std::string& path) = 0;
    // What to write, asked starting from the remembered map path; nullopt on cancel.
    virtual std::optional<SaveTarget> askTarget(const std::string& remembered) = 0;
    // What the host already knows to be wrong with the sources that the checks cannot see
    // (a panel read through earlier and found damaged): refused before asking, as a check.
    virtual std::vector<Problem> knownDamage() { return {}; }
    // How messages name the output at `path`: escaped as given, unless the host has a name
    // of its own for it (a setup's output, named as the setup names it).
    virtual std::string outputName(const std::string& path) { return escapedName(path); }
    // "New map file created successfully".
    virtual void reportSuccess(const std::string& message) = 0;
};

}  // namespace pw
