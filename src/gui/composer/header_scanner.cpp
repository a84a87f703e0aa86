#include "gui/composer/header_scanner.h"

#include <QMetaObject>

namespace pw::gui {
namespace {

// Few enough deliveries to keep the lists calm, soon enough to show marks early.
constexpr std::size_t kBatchSize = 64;

}  // namespace

HeaderScanner::HeaderScanner(std::vector<std::pair<std::string, std::string>> maps,
                             Delivery deliver)
    : deliver_(std::move(deliver)),
      worker_([this, maps = std::move(maps)](const std::stop_token& stop) { scan(stop, maps); }) {}

HeaderScanner::~HeaderScanner() {
    worker_.request_stop();
    worker_.join();
    // Batches already posted die with this object: Qt drops its pending calls.
}

void HeaderScanner::scan(const std::stop_token& stop,
                         const std::vector<std::pair<std::string, std::string>>& maps) {
    std::size_t first = 0;
    std::vector<MapSummary> batch;
    for (std::size_t i = 0; i < maps.size() && !stop.stop_requested(); ++i) {
        batch.push_back(summarizeMap(maps[i].first, maps[i].second));
        if (batch.size() == kBatchSize || i + 1 == maps.size()) {
            QMetaObject::invokeMethod(
                this,
                [this, first, headers = std::move(batch)]() mutable {
                    deliver_(first, std::move(headers));
                },
                Qt::QueuedConnection);
            batch.clear();
            first = i + 1;
        }
    }
}

}  // namespace pw::gui
