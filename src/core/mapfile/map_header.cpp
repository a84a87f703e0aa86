#include "core/mapfile/map_header.h"

#include "core/mapfile/line_reader.h"

namespace pw {
namespace {

constexpr std::int32_t kLargestSide = 999;

bool outOfRange(std::int32_t side) {
    return side < 0 || side > kLargestSide;
}

std::string mismatch(const std::string& what, const std::string& name,
                     const std::string& referenceName, std::int32_t expected, std::int32_t found) {
    return "file " + name + " " + what + " does not match file " + referenceName + "; " +
           std::to_string(expected) + " <> " + std::to_string(found);
}

}  // namespace

MapHeader readMapHeader(const std::string& path) {
    MapHeader header;
    std::optional<LineReader> reader = LineReader::open(path);
    if (!reader) {
        return header;
    }
    header.state = MapHeader::State::NoVersion;
    if (!reader->readInt(header.version)) {
        return header;
    }
    header.state = MapHeader::State::NoSize;
    std::int32_t tally = 0;
    if (reader->readInt(header.length) && reader->readInt(header.height) &&
        reader->readInt(tally)) {
        header.state = MapHeader::State::Read;
    }
    return header;
}

std::string headerProblem(const std::string& name, const MapHeader& header) {
    // In Save Map's order: opening, then the version, then the size.
    if (header.state == MapHeader::State::Unreadable) {
        return "unable to open file " + name;
    }
    if (header.state == MapHeader::State::NoVersion) {
        return "file " + name + " has no valid version number";
    }
    if (header.version == 0) {
        return "file " + name + " is a submap! Version# = 0";
    }
    if (header.state == MapHeader::State::NoSize) {
        return "file " + name + " has no valid map size";
    }
    if (outOfRange(header.length) || outOfRange(header.height)) {
        return "file " + name + " invalid Map size; X = " + std::to_string(header.length) +
               " Y = " + std::to_string(header.height);
    }
    return {};
}

std::string sizeProblem(const std::string& name, const MapHeader& header,
                        const std::string& referenceName, const MapHeader& reference) {
    if (header.state != MapHeader::State::Read || reference.state != MapHeader::State::Read) {
        return {};
    }
    if (header.height != reference.height) {
        return mismatch("height", name, referenceName, reference.height, header.height);
    }
    if (header.length != reference.length) {
        return mismatch("length", name, referenceName, reference.length, header.length);
    }
    return {};
}

}  // namespace pw
