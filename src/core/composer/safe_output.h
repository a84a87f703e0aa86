#pragma once

#include <memory>
#include <optional>
#include <string>

#include "mapfile/file_handle.h"
#include "mapfile/output_file.h"

namespace pw {

// A safe save: the new map is written to a temporary file beside the target and takes
// the target's place only when it is complete on disk. Until then the target, which may
// be one of the sources still being read, is untouched. An existing target keeps its
// permissions; a symbolic link keeps pointing at the file it names, which is replaced.
class SafeOutput final : public OutputFile {
  public:
    // nullopt when no temporary file can be made there, or the target exists and is not
    // a regular file (a folder, a device).
    static std::optional<SafeOutput> create(const std::string& path);

    SafeOutput(SafeOutput&& other) noexcept;
    SafeOutput& operator=(SafeOutput&&) = delete;
    SafeOutput(const SafeOutput&) = delete;
    SafeOutput& operator=(const SafeOutput&) = delete;
    // Removes the temporary file unless the output was committed.
    ~SafeOutput() override;

    bool write(const char* data, std::size_t size) override;
    // Syncs the temporary file and moves it onto the target; false on any failure,
    // which leaves the target as it was.
    bool commit() override;

  private:
    SafeOutput(FileHandle file, std::string temporaryPath, std::string targetPath, unsigned mode);

    FileHandle file_;
    std::string temporaryPath_;
    std::string targetPath_;
    unsigned mode_;
    bool committed_ = false;
};

// The safe save to a file: a temporary file beside the target, moved into its place.
std::unique_ptr<OutputFile> openSafeOutput(const std::string& path);

}  // namespace pw
