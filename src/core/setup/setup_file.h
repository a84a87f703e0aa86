// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files read from and written as JSON.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "core/common/problem.h"
#include "core/output/safe_output.h"
#include "core/setup/setup.h"

namespace pw {

// A setup read from its JSON text, or the problem that keeps it from being one, worded
// "ERROR: setup FILE: WHAT".
struct ReadSetup {
    std::optional<Setup> setup;
    std::optional<Problem> problem;
};

// Reads a setup's JSON text; `file` names it in the problem. Nothing on disk is touched.
ReadSetup parseSetup(const QByteArray& json, const std::string& file);
// The JSON text of a setup; parseSetup() of it gives the same setup back.
QByteArray setupJson(const Setup& setup);

// Reads the setup file at `path` (a regular file, of a setup's modest size).
ReadSetup readSetupFile(const std::string& path);
// Writes the setup through the safe save: the file is complete or left as it was.
// `openOutput` is where it goes: a safe save unless a test puts something else there.
std::optional<Problem> writeSetupFile(const std::string& path, const Setup& setup,
                                      const OutputOpener& openOutput = openSafeOutput);

}  // namespace pw
