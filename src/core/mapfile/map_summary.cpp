#include "core/mapfile/map_summary.h"

#include "core/common/messages.h"
#include "core/mapfile/line_reader.h"

namespace pw {

MapSummary summarizeMap(const std::string& path, const std::string& name) {
    MapSummary summary;
    OpenFailure failure = OpenFailure::None;
    std::optional<LineReader> reader = LineReader::open(path, &failure);
    if (!reader) {
        summary.problem = failure == OpenFailure::NameNotUtf8 ? messages::nameNotUtf8(name)
                                                              : messages::unableToOpen(name);
    } else if (!reader->readInt(summary.version)) {
        summary.problem = messages::noVersion(name);
    } else if (summary.version == 0) {
        summary.problem = messages::submap(name, summary.version);
    } else if (std::int32_t tally = 0; !reader->readInt(summary.length) ||
                                       !reader->readInt(summary.height) ||
                                       !reader->readInt(tally)) {
        summary.problem = messages::noMapSize(name);
    } else if (summary.length < 0 || summary.length > 999 || summary.height < 0 ||
               summary.height > 999) {
        summary.problem = messages::invalidSize(name, summary.length, summary.height);
    }
    return summary;
}

}  // namespace pw
