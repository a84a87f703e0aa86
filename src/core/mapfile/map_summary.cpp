#include "core/mapfile/map_summary.h"

#include "core/common/messages.h"
#include "core/mapfile/line_reader.h"

namespace pw {

MapSummary summarizeMap(const std::string& path, const std::string& name) {
    std::optional<LineReader> reader = LineReader::open(path);
    if (!reader) {
        return {{}, Problem{messages::unableToOpen(name)}};
    }
    return readHeader(*reader, name, kSourceRules);
}

}  // namespace pw
