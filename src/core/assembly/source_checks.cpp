// The check steps of a merge: open every source, check the versions, check the sizes.
// Each step reports through its StepResult; nothing is written while they run.

#include <algorithm>

#include "core/assembly/merge_job.h"
#include "core/mapfile/map_set.h"

namespace pw {
namespace {

std::string noFileSelected(const LayoutShape& shape, int slot) {
    // Composite names a slot by its row and column, counted from 0.
    if (shape.layout == Layout::Composite) {
        return "ERROR: no file selected for Map# " + std::to_string(shape.rowOf(slot)) + "," +
               std::to_string(shape.columnOf(slot));
    }
    return "ERROR: no file selected for Map# " + std::to_string(slot + 1);
}

std::string sizeMismatch(const std::string& what, const std::string& name,
                         const std::string& firstName, std::int32_t expected, std::int32_t found) {
    return "ERROR: file " + name + " " + what + " does not match file " + firstName + "; " +
           std::to_string(expected) + " <> " + std::to_string(found);
}

std::uint32_t wrap(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

}  // namespace

MergeJob::MergeJob(const MergeRequest& request, LayoutShape shape)
    : request_(request), shape_(shape) {
    if (const MapSetInfo* info = mapSetInfo(request.mapSetIndex)) {
        base_ = info->base;
    }
}

StepResult MergeJob::openSources() {
    StepResult result;
    sources_.clear();
    sources_.resize(static_cast<std::size_t>(shape_.slotCount()));
    for (int slot = 0; slot < shape_.slotCount(); ++slot) {
        const SourceSlot& chosen = request_.slots[static_cast<std::size_t>(slot)];
        SourceMap& source = sources_[static_cast<std::size_t>(slot)];
        source.name = chosen.name;
        // End-to-End shows the marks but never lets them count.
        source.mark = shape_.layout == Layout::EndToEnd ? ' ' : chosen.mark;
        if (chosen.name.empty()) {
            result.fail(noFileSelected(shape_, slot));
            continue;
        }
        source.reader = LineReader::open(chosen.path);
        if (!source.reader) {
            result.fail("ERROR: unable to open file " + chosen.name);
        }
    }
    return result;
}

StepResult MergeJob::checkVersions() {
    StepResult result;
    version_ = 0;
    for (SourceMap& source : sources_) {
        std::int32_t version = 0;
        if (!source.reader->readInt(version)) {
            result.fail("ERROR: file " + source.name + " has no valid version number");
        } else if (version == 0) {
            result.fail("ERROR: file " + source.name +
                        " is a submap! Version# = " + std::to_string(version));
        } else {
            version_ = std::max(version_, version);
        }
    }
    return result;
}

StepResult MergeJob::checkSizes() {
    StepResult result;
    length_ = 0;
    height_ = 0;
    tally_ = 0;
    const std::string& firstName = sources_.front().name;
    for (int slot = 0; slot < shape_.slotCount(); ++slot) {
        SourceMap& source = sources_[static_cast<std::size_t>(slot)];
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::int32_t t = 0;
        const bool read =
            source.reader->readInt(x) && source.reader->readInt(y) && source.reader->readInt(t);
        std::string failure;
        if (!read) {
            failure = "ERROR: file " + source.name + " has no valid map size";
        } else {
            source.reader->skipLine();  // whatever follows the three numbers
            if (isTopLeft(slot)) {
                if (y < 0 || y > 999 || x < 0 || x > 999) {
                    failure = "ERROR: file " + source.name +
                              " invalid Map size; X = " + std::to_string(x) +
                              " Y = " + std::to_string(y);
                } else {
                    length_ = x;
                    height_ = y;
                    tally_ = wrap(t);
                    if (shape_.layout == Layout::Composite) {
                        tally_ -= wrap(y) + wrap(x);
                    }
                }
            } else if (y != height_) {
                failure = sizeMismatch("height", source.name, firstName, height_, y);
            } else if (x != length_) {
                failure = sizeMismatch("length", source.name, firstName, length_, x);
            } else {
                // Each further source takes the map-set base and the edge it shares off the
                // tally: its length when stacked, its height when laid side by side.
                tally_ += wrap(t) - wrap(base_);
                if (shape_.layout != Layout::EndToEnd) {
                    tally_ -= wrap(x);
                }
                if (shape_.layout != Layout::TopToBottom) {
                    tally_ -= wrap(y);
                }
            }
        }
        if (!failure.empty()) {
            result.fail(std::move(failure));
            if (shape_.layout != Layout::Composite) {
                break;
            }
            // Composite goes on with the left source of the next row of slots.
            slot = (shape_.rowOf(slot) + 1) * shape_.columns - 1;
        }
    }
    return result;
}

void MergeJob::skipTwoLines() {
    for (SourceMap& source : sources_) {
        source.reader->skipLine();
        source.reader->skipLine();
    }
}

std::optional<std::string> MergeJob::failedSource() const {
    for (const SourceMap& source : sources_) {
        if (source.reader && source.reader->hadError()) {
            return source.name;
        }
    }
    return std::nullopt;
}

void MergeJob::closeSources() {
    for (SourceMap& source : sources_) {
        source.reader.reset();
    }
}

}  // namespace pw
