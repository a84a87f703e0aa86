#include "gui/composer/header_scanner.h"

#include <QMetaObject>

namespace pw::gui {
namespace {

// Few enough deliveries to keep the lists calm, soon enough to show marks early.
constexpr std::size_t kBatchSize = 64;

}  // namespace

HeaderScanner::HeaderScanner(std::vector<std::string> paths, Delivery deliver)
    : deliver_(std::move(deliver)),
      worker_(
          [this, paths = std::move(paths)](const std::stop_token& stop) { scan(stop, paths); }) {}

HeaderScanner::~HeaderScanner() {
    worker_.request_stop();
    worker_.join();
    // Batches already posted die with this object: Qt drops its pending calls.
}

void HeaderScanner::scan(const std::stop_token& stop, const std::vector<std::string>& paths) {
    std::size_t first = 0;
    std::vector<MapHeader> batch;
    for (std::size_t i = 0; i < paths.size() && !stop.stop_requested(); ++i) {
        batch.push_back(readMapHeader(paths[i]));
        if (batch.size() == kBatchSize || i + 1 == paths.size()) {
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
