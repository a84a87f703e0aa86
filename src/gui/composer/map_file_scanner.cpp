// SPDX-License-Identifier: GPL-3.0-or-later
// Map files read off the GUI thread, a batch at a time.
#include "gui/composer/map_file_scanner.h"

#include <QElapsedTimer>
#include <QMetaObject>

#include "core/pipeline/source_check.h"
#include "render/thumbnail_cache.h"

namespace pw::gui {
namespace {

// Few enough deliveries to keep the lists calm, soon enough to show marks early.
constexpr std::size_t kBatchSize = 64;
constexpr qint64 kBatchMilliseconds = 100;

}  // namespace

MapFileScanner::MapFileScanner(std::vector<std::pair<std::string, std::string>> maps,
                               HeaderDelivery deliverHeaders, WholeDelivery deliverWhole,
                               std::optional<Pictures> pictures)
    : deliverHeaders_(std::move(deliverHeaders)),
      deliverWhole_(std::move(deliverWhole)),
      pictures_(std::move(pictures)),
      worker_([this, maps](const std::stop_token& stop) { scan(stop, maps); }) {
    if (pictures_) {
        drawer_ = std::jthread(
            [this, maps = std::move(maps)](const std::stop_token& stop) { draw(stop, maps); });
    }
}

MapFileScanner::~MapFileScanner() {
    for (std::jthread* thread : {&worker_, &drawer_}) {
        thread->request_stop();
    }
    for (std::jthread* thread : {&worker_, &drawer_}) {
        if (thread->joinable()) {
            thread->join();
        }
    }
    // Batches already posted die with this object: Qt drops its pending calls.
}

template <typename Result, typename Read, typename Deliver>
void MapFileScanner::pass(const std::stop_token& stop, std::size_t count, Read read,
                          Deliver deliver) {
    std::size_t first = 0;
    std::vector<Result> batch;
    QElapsedTimer sinceDelivery;
    sinceDelivery.start();
    for (std::size_t i = 0; i < count && !stop.stop_requested(); ++i) {
        batch.push_back(read(i));
        if (batch.size() == kBatchSize || sinceDelivery.elapsed() >= kBatchMilliseconds ||
            i + 1 == count) {
            QMetaObject::invokeMethod(
                this,
                [deliver, first, results = std::move(batch)]() mutable {
                    deliver(first, std::move(results));
                },
                Qt::QueuedConnection);
            batch.clear();
            first = i + 1;
            sinceDelivery.restart();
        }
    }
}

void MapFileScanner::scan(const std::stop_token& stop,
                          const std::vector<std::pair<std::string, std::string>>& maps) {
    std::vector<bool> readable(maps.size());
    pass<MapSummary>(
        stop, maps.size(),
        [&](std::size_t i) {
            MapSummary header = summarizeMap(maps[i].first, maps[i].second);
            readable[i] = !header.problem;
            return header;
        },
        [this](std::size_t first, std::vector<MapSummary> headers) {
            deliverHeaders_(first, std::move(headers));
        });
    // A file whose header already fails is greyed for that; it is not read again.
    pass<std::string>(
        stop, maps.size(),
        [&](std::size_t i) {
            const std::optional<Problem> problem =
                readable[i] ? checkSourceWhole(maps[i].first, maps[i].second) : std::nullopt;
            return problem ? problem->message : std::string();  // the list's reasons, or none
        },
        [this](std::size_t first, std::vector<std::string> problems) {
            deliverWhole_(first, std::move(problems));
        });
}

void MapFileScanner::draw(const std::stop_token& stop,
                          const std::vector<std::pair<std::string, std::string>>& maps) {
    // The legend is read here too: the pictures need its colours, not its notes.
    std::optional<Legend> legend;
    if (!pictures_->legendFolder.isEmpty()) {
        legend = Legend::loadFromFolder(pictures_->legendFolder);
    }
    const ThumbnailCache cache(pictures_->cacheFolder, pictures_->size, std::move(legend));
    // Every picture is shown first; those newly drawn are kept afterwards, each a file
    // synced to disk: a set drawn for the first time fills in as fast as it is drawn.
    std::vector<std::pair<QString, QImage>> toKeep;
    pass<QImage>(
        stop, maps.size(),
        [&](std::size_t i) {
            QString entry;
            QImage picture = cache.picture(maps[i].first, maps[i].second, entry);
            if (!entry.isEmpty()) {
                toKeep.emplace_back(entry, picture);
            }
            return picture;
        },
        [this](std::size_t first, std::vector<QImage> pictures) {
            pictures_->deliver(first, std::move(pictures));
        });
    for (std::size_t i = 0; i < toKeep.size() && !stop.stop_requested(); ++i) {
        cache.keep(toKeep[i].first, toKeep[i].second);
    }
    if (!stop.stop_requested()) {
        cache.prune();
    }
}

}  // namespace pw::gui
