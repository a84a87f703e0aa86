#pragma once

#include <cstdint>
#include <string>

namespace pw {

// The first two lines of a map file: its version and its size. Enough to tell whether
// the file can take part in a merge, without reading the rest of it.
struct MapHeader {
    enum class State {
        Unreadable,  // the file cannot be opened
        NoVersion,   // no number where the version belongs
        NoSize,      // no length, height and tally where the size line belongs
        Read,
    };
    State state = State::Unreadable;
    std::int32_t version = 0;
    std::int32_t length = 0;
    std::int32_t height = 0;
};

// Reads the version line and the size line of the map at `path`, and stops there.
MapHeader readMapHeader(const std::string& path);

// Why the map `name` cannot take part in any merge, worded as Save Map words it (without
// the leading "ERROR: "); empty when its header is fine.
std::string headerProblem(const std::string& name, const MapHeader& header);

// Why the map `name` cannot join the map `referenceName` of the size `reference`: the
// height compared first, then the length, worded as Save Map words it. Empty when the
// sizes agree or either header is not fully read.
std::string sizeProblem(const std::string& name, const MapHeader& header,
                        const std::string& referenceName, const MapHeader& reference);

}  // namespace pw
