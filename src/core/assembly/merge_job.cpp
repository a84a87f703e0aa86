// SPDX-License-Identifier: GPL-3.0-or-later
// One merge of one layout: its sources opened and checked, then written as one map.
#include "core/assembly/merge_job.h"

#include <algorithm>

#include "core/assembly/junction.h"
#include "core/common/messages.h"
#include "core/mapfile/line_writer.h"
#include "core/mapfile/map_header.h"
#include "core/mapfile/map_set.h"

namespace pw {
MergeJob::MergeJob(const MergeRequest& request, LayoutShape shape)
    : request_(request), shape_(shape), sources_(static_cast<std::size_t>(shape.slotCount())) {
    if (const MapSetInfo* info = mapSetInfo(request.mapSetIndex)) {
        base_ = info->base;
    }
    for (std::size_t slot = 0; slot < sources_.size(); ++slot) {
        sources_[slot].name = request.slots[slot].name;
        sources_[slot].mark = request.slots[slot].mark;
    }
}

void MergeJob::dropSource(int slot) {
    SourceMap& source = sources_[static_cast<std::size_t>(slot)];
    source.dropped = true;
    source.mark = ' ';
    source.reader.reset();
}

StepResult MergeJob::openSources() {
    StepResult result;
    for (int slot = 0; slot < shape_.slotCount(); ++slot) {
        SourceMap& source = sources_[static_cast<std::size_t>(slot)];
        if (source.dropped) {
            continue;
        }
        if (source.name.empty()) {
            result.fail(slot, messages::noFileSelected(shape_.slotName(slot)));
            continue;
        }
        OpenFailure failure = OpenFailure::None;
        source.reader =
            LineReader::open(request_.slots[static_cast<std::size_t>(slot)].path, &failure);
        if (!source.reader) {
            result.fail(slot, failure == OpenFailure::NameNotUtf8
                                  ? messages::nameNotUtf8(source.name)
                                  : messages::unableToOpen(source.name));
        }
    }
    return result;
}

StepResult MergeJob::checkVersions() {
    StepResult result;
    version_ = 0;
    for (int slot = 0; slot < shape_.slotCount(); ++slot) {
        SourceMap& source = sources_[static_cast<std::size_t>(slot)];
        if (!source.reader) {
            continue;
        }
        MapHeader header;
        if (auto problem = readVersionLine(*source.reader, source.name, kSourceRules, header)) {
            result.fail(slot, std::move(problem->message));
        } else {
            version_ = std::max(version_, header.version);
        }
    }
    return result;
}

StepResult MergeJob::checkSizes() {
    StepResult result;
    length_ = 0;
    height_ = 0;
    const auto first = std::find_if(sources_.begin(), sources_.end(), [](const SourceMap& source) {
        return source.reader.has_value();
    });
    const int reference = static_cast<int>(first - sources_.begin());
    for (int slot = reference; slot < shape_.slotCount(); ++slot) {
        SourceMap& source = sources_[static_cast<std::size_t>(slot)];
        if (!source.reader) {
            continue;
        }
        MapHeader size;
        std::optional<Problem> failure = readSizeLine(*source.reader, source.name, size);
        if (!failure) {
            source.tally = static_cast<std::uint32_t>(size.tally);
            if (slot == reference) {
                failure = checkSize(size, source.name, kSourceRules);
                if (!failure) {
                    length_ = size.length;
                    height_ = size.height;
                }
            } else {
                failure = checkSameSize(size, source.name, {0, length_, height_, 0}, first->name);
            }
        }
        if (failure) {
            result.fail(slot, std::move(failure->message));
            if (!shape_.rules().checksByRow) {
                break;
            }
            // Checking by rows goes on with the left source of the next row of slots.
            slot = (shape_.rowOf(slot) + 1) * shape_.columns - 1;
        }
    }
    return result;
}

void MergeJob::skipTwoLines() {
    for (SourceMap& source : sources_) {
        if (source.reader) {
            source.reader->skipLine();
            source.reader->skipLine();
        }
    }
}

// With n sources of tallies T1 .. Tn in R rows by C columns, common length X and height
// Y, and the map set's base:
//   T1 + ... + Tn - (n - 1) * base - (n - C) * X - (n - R) * Y
// (each further source takes off the base and every edge it shares with the sources
// before it), plus 108 for each 'L' over 'R' and 27 for each 'R' over 'L' in one column.
// The arithmetic wraps in 32 bits.
std::int32_t MergeJob::outputTally() const {
    const auto n = static_cast<std::uint32_t>(shape_.slotCount());
    std::uint32_t tally = 0;
    for (const SourceMap& source : sources_) {
        tally += source.tally;
    }
    tally -=
        (n - 1) * static_cast<std::uint32_t>(base_) +
        (n - static_cast<std::uint32_t>(shape_.columns)) * static_cast<std::uint32_t>(length_) +
        (n - static_cast<std::uint32_t>(shape_.rows)) * static_cast<std::uint32_t>(height_);
    for (std::size_t slot = static_cast<std::size_t>(shape_.columns); slot < sources_.size();
         ++slot) {
        const char upper = sources_[slot - static_cast<std::size_t>(shape_.columns)].mark;
        tally += static_cast<std::uint32_t>(junctionTallyAdjustment(upper, sources_[slot].mark));
    }
    return static_cast<std::int32_t>(tally);
}

std::optional<Problem> MergeJob::writeMap(LineWriter& out, std::vector<Cell>* fixedCells,
                                          bool labels) {
    MapWriter writer(shape_, sources_, length_, height_, out);
    writer.recordFixedCells(fixedCells);
    if (!labels) {
        writer.leaveOutLabels();
    }
    return writer.write({version_, outputTally(), request_.direction});
}

std::optional<std::string> MergeJob::failedSource() const {
    for (const SourceMap& source : sources_) {
        if (source.reader && source.reader->hadError()) {
            return source.name;
        }
    }
    return std::nullopt;
}

}  // namespace pw
