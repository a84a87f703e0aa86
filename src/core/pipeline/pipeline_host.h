// SPDX-License-Identifier: GPL-3.0-or-later
// What the save pipeline needs from whoever runs it.
#pragma once

#include <optional>
#include <string>

#include "core/common/path_bytes.h"

namespace pw {

// What the save pipeline needs from whoever runs it: the dialogs, the command line and
// the tests each plug in their own.
class PipelineHost {
  public:
    virtual ~PipelineHost() = default;

    // One "ERROR ..." message, shown on its own.
    virtual void showError(const std::string& message) = 0;
    // The remembered output path ("Saved File Name"), empty when nothing is remembered.
    virtual std::string rememberedPath() = 0;
    virtual void storeRememberedPath(const std::string& path) = 0;
    // Asks for the output path, starting from the remembered one; nullopt on cancel.
    virtual std::optional<std::string> askOutputPath(const std::string& remembered) = 0;
    // How messages name the output at `path`: escaped as given, unless the host has a name
    // of its own for it (a setup's output, named as the setup names it).
    virtual std::string outputName(const std::string& path) { return escapedName(path); }
    // "New map file created successfully".
    virtual void reportSuccess(const std::string& message) = 0;
};

}  // namespace pw
