// SPDX-License-Identifier: GPL-3.0-or-later
// The thread that builds previews, the newest first.
#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "jobs/preview_job.h"

namespace pw::gui {

// Builds previews on a thread of its own, one at a time. The newest job wins: submitting
// one cancels the job in progress and replaces any job still waiting, and only the
// result of the newest job is handed back, on the GUI thread.
class PreviewWorker : public QObject {
  public:
    using Delivery = std::function<void(PreviewResult)>;

    explicit PreviewWorker(Delivery deliver);
    ~PreviewWorker() override;

    PreviewWorker(const PreviewWorker&) = delete;
    PreviewWorker& operator=(const PreviewWorker&) = delete;

    void submit(PreviewJob job);
    // True while a submitted job has not been delivered yet.
    bool busy() const { return delivered_ != submitted_; }

  private:
    void run(const std::stop_token& stop);

    Delivery deliver_;
    std::uint64_t submitted_ = 0;  // GUI thread only
    std::uint64_t delivered_ = 0;  // GUI thread only
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<std::pair<std::uint64_t, PreviewJob>> waiting_;  // guarded by mutex_
    std::shared_ptr<std::atomic<bool>> runningCancel_;             // guarded by mutex_
    std::jthread thread_;  // last: it starts once everything it uses is there
};

}  // namespace pw::gui
