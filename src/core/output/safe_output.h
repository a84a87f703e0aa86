// SPDX-License-Identifier: GPL-3.0-or-later
// The safe save of a file by its path, over QSaveFile.
#pragma once

#include <optional>
#include <string>

#include "core/output/output_file.h"

namespace pw {

// A safe save: the new map is written to a temporary file beside the target and takes
// the target's place only when it is complete on disk. Until then the target, which may
// be one of the sources still being read, is untouched. An existing target keeps its
// permissions; a symbolic link keeps pointing at the file it names, which is replaced.
// No output when no temporary file can be made there, the target exists and is not a
// regular file (a folder, a device), or the path's bytes do not round-trip through Qt.
// Every failure of create, write, sync and commit says why in the system's words.
OpenedOutput openSafeOutput(const std::string& path);

// A dry run's output: refuses what openSafeOutput() would refuse, and a path whose folder
// is missing or cannot be written, without making anything there; the bytes written to it
// go nowhere.
OpenedOutput openDryRunOutput(const std::string& path);

// Why a safe save may not go to `path` at all, known before anything is made there: it
// exists and is not a regular file (a folder, a device, a fifo, a link to one of them), or
// its bytes do not round-trip through Qt. nullopt when it may.
std::optional<std::string> refusedTarget(const std::string& path);

}  // namespace pw
