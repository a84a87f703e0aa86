// SPDX-License-Identifier: GPL-3.0-or-later
// The device every output is written through, and the one that keeps nothing.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

class QByteArray;

namespace pw {

// Where a merged map is written. Nothing is visible at the target until commit()
// succeeds; an output dropped before that leaves the target as it was.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // False once the bytes could not be written (disk full, I/O error).
    virtual bool write(const char* data, std::size_t size) = 0;
    // Makes the complete output durable at the target; false on any failure.
    virtual bool commit() = 0;
    // Why the last write or commit failed, in the system's words.
    virtual std::string errorString() const = 0;
    // Makes the bytes written so far durable before commit, so that a commit that must go
    // together with another one is left only the renaming to do; false on failure.
    virtual bool sync() { return true; }
    // Commits, keeping the file it replaces under a second name until settleReplaced(), so
    // that a commit that goes together with another one can be taken back when that one
    // fails. Where it cannot be kept, the commit goes ahead all the same.
    virtual bool commitKeepingReplaced() { return commit(); }
    // After commitKeepingReplaced() succeeded: `undo` puts the replaced file back (takes the
    // new one away where none was replaced); otherwise its second name goes.
    virtual void settleReplaced(bool /*undo*/) {}
    // A path from which the bytes written so far can be read back before commit (a picture
    // is drawn from the map just written); empty where there is none.
    virtual std::string writtenPath() const { return {}; }
    // The bytes written so far, for an output held in memory (a map drawn but not kept);
    // null for one on disk.
    virtual const QByteArray* writtenBytes() const { return nullptr; }
};

// Takes every byte and keeps none: a dry run, or a whole reading that writes nowhere.
class DiscardedOutput final : public OutputFile {
  public:
    bool write(const char*, std::size_t) override { return true; }
    bool commit() override { return true; }
    std::string errorString() const override { return {}; }
};

// Opens the output for a path; a null output and why, when it cannot be created there.
struct OpenedOutput {
    std::unique_ptr<OutputFile> file;
    std::string errorString;
};
using OutputOpener = std::function<OpenedOutput(const std::string& path)>;

}  // namespace pw
