// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of a map's version and size lines.
#include "core/mapfile/map_header.h"

#include "core/common/messages.h"
#include "core/mapfile/line_reader.h"

namespace pw {
namespace {

// A number that cannot be read because the file cannot is no fault of the map's.
Problem unreadable(const LineReader& reader, const std::string& name, std::string fault) {
    return {reader.hadError() ? messages::unableToRead(name) : std::move(fault)};
}

}  // namespace

std::optional<Problem> readVersionLine(LineReader& reader, const std::string& name,
                                       const HeaderRules& rules, MapHeader& header) {
    if (!reader.readInt(header.version)) {
        return unreadable(reader, name, messages::noVersion(name));
    }
    if (rules.refuseSubmap && header.version == 0) {
        return Problem{messages::submap(name, header.version)};
    }
    return std::nullopt;
}

std::optional<Problem> readSizeLine(LineReader& reader, const std::string& name,
                                    MapHeader& header) {
    if (!reader.readInt(header.length) || !reader.readInt(header.height) ||
        !reader.readInt(header.tally)) {
        return unreadable(reader, name, messages::noMapSize(name));
    }
    reader.skipLine();
    return std::nullopt;
}

std::optional<Problem> checkSize(const MapHeader& header, const std::string& name,
                                 const HeaderRules& rules) {
    if (header.length < 0 || header.length > rules.maxLength || header.height < 0 ||
        header.height > rules.maxHeight) {
        return Problem{messages::invalidSize(name, header.length, header.height)};
    }
    return std::nullopt;
}

std::optional<Problem> checkSameSize(const MapHeader& header, const std::string& name,
                                     const MapHeader& first, const std::string& firstName) {
    if (header.height != first.height) {
        return Problem{messages::heightMismatch(name, firstName, first.height, header.height)};
    }
    if (header.length != first.length) {
        return Problem{messages::lengthMismatch(name, firstName, first.length, header.length)};
    }
    return std::nullopt;
}

HeaderRead readHeader(LineReader& reader, const std::string& name, const HeaderRules& rules) {
    HeaderRead read;
    read.problem = readVersionLine(reader, name, rules, read.header);
    if (!read.problem) {
        read.problem = readSizeLine(reader, name, read.header);
    }
    if (!read.problem) {
        read.problem = checkSize(read.header, name, rules);
    }
    return read;
}

std::optional<bool> beginsAsMap(const std::string& path) {
    OpenedReader opened = LineReader::open(path);
    if (!opened.reader) {
        return std::nullopt;
    }
    std::int32_t version = 0;
    return opened.reader->readInt(version);
}

}  // namespace pw
