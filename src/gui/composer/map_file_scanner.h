// SPDX-License-Identifier: GPL-3.0-or-later
// Map files read off the GUI thread, a batch at a time.
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/mapfile/map_summary.h"

namespace pw::gui {

// Reads many map files off the GUI thread and hands what it found back on it, a batch
// at a time, so that a long slot list opens at once and gets its marks as they come:
// first the headers of all files (quick), then each file read through whole as Save Map
// reads it (slow: every row of every file). Their small pictures, when asked for, are
// drawn on a thread of their own meanwhile, in list order.
class MapFileScanner : public QObject {
  public:
    // Called on the GUI thread with the summaries of maps[first], maps[first + 1], ...
    using HeaderDelivery = std::function<void(std::size_t first, std::vector<MapSummary> headers)>;
    // The same for the whole reading: the problem Save Map would report, empty for none.
    using WholeDelivery = std::function<void(std::size_t first, std::vector<std::string> problems)>;

    // The same for the pictures (ThumbnailCache): null where a map cannot be drawn.
    using PictureDelivery = std::function<void(std::size_t first, std::vector<QImage> pictures)>;
    struct Pictures {
        QString cacheFolder;   // where they are kept between runs; empty: nowhere
        QString legendFolder;  // the folder whose legend colours them; empty: none
        QSize size;            // in pixels
        PictureDelivery deliver;
    };

    // Each map as {path, name}.
    MapFileScanner(std::vector<std::pair<std::string, std::string>> maps,
                   HeaderDelivery deliverHeaders, WholeDelivery deliverWhole,
                   std::optional<Pictures> pictures = std::nullopt);
    // Stops reading; nothing is delivered afterwards.
    ~MapFileScanner() override;

    MapFileScanner(const MapFileScanner&) = delete;
    MapFileScanner& operator=(const MapFileScanner&) = delete;

  private:
    void scan(const std::stop_token& stop,
              const std::vector<std::pair<std::string, std::string>>& maps);
    // Reads maps[i] with `read` for every i, delivering the results in batches.
    template <typename Result, typename Read, typename Deliver>
    void pass(const std::stop_token& stop, std::size_t count, Read read, Deliver deliver);

    void draw(const std::stop_token& stop,
              const std::vector<std::pair<std::string, std::string>>& maps);

    HeaderDelivery deliverHeaders_;
    WholeDelivery deliverWhole_;
    std::optional<Pictures> pictures_;
    // Last: they start once everything they use is there.
    std::jthread worker_;
    std::jthread drawer_;  // the pictures; none runs when none are asked for
};

}  // namespace pw::gui
