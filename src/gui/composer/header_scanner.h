#pragma once

#include <QObject>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/mapfile/map_summary.h"

namespace pw::gui {

// Reads the headers of many map files off the GUI thread and hands them back on it, a
// batch at a time, so that a long slot list opens at once and gets its marks as they come.
class HeaderScanner : public QObject {
  public:
    // Called on the GUI thread with the summaries of maps[first], maps[first + 1], ...
    using Delivery = std::function<void(std::size_t first, std::vector<MapSummary> headers)>;

    // Each map as {path, name}.
    HeaderScanner(std::vector<std::pair<std::string, std::string>> maps, Delivery deliver);
    // Stops reading; nothing is delivered afterwards.
    ~HeaderScanner() override;

    HeaderScanner(const HeaderScanner&) = delete;
    HeaderScanner& operator=(const HeaderScanner&) = delete;

  private:
    void scan(const std::stop_token& stop,
              const std::vector<std::pair<std::string, std::string>>& maps);

    Delivery deliver_;
    std::jthread worker_;  // last: it starts once everything it uses is there
};

}  // namespace pw::gui
