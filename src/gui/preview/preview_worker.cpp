// SPDX-License-Identifier: GPL-3.0-or-later
// The thread that builds previews, the newest first.
#include "gui/preview/preview_worker.h"

#include <QMetaObject>

namespace pw::gui {

PreviewWorker::PreviewWorker(Delivery deliver)
    : deliver_(std::move(deliver)), thread_([this](const std::stop_token& stop) { run(stop); }) {}

PreviewWorker::~PreviewWorker() {
    {
        const std::lock_guard lock(mutex_);
        if (runningCancel_) {
            runningCancel_->store(true);
        }
    }
    thread_.request_stop();
    wake_.notify_all();
    thread_.join();
}

void PreviewWorker::submit(PreviewJob job) {
    const std::uint64_t id = ++submitted_;
    {
        const std::lock_guard lock(mutex_);
        waiting_.emplace(id, std::move(job));
        if (runningCancel_) {
            runningCancel_->store(true);
        }
    }
    wake_.notify_one();
}

void PreviewWorker::run(const std::stop_token& stop) {
    while (true) {
        std::pair<std::uint64_t, PreviewJob> job;
        auto cancel = std::make_shared<std::atomic<bool>>(false);
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return waiting_.has_value(); })) {
                return;
            }
            job = std::move(*waiting_);
            waiting_.reset();
            runningCancel_ = cancel;
        }
        PreviewResult result = buildPreview(job.second, cancel.get());
        if (result.cancelled) {
            continue;
        }
        QMetaObject::invokeMethod(
            this,
            [this, id = job.first, done = std::move(result)]() mutable {
                // A result overtaken by a newer job is of no use any more.
                if (id == submitted_) {
                    delivered_ = id;
                    deliver_(std::move(done));
                }
            },
            Qt::QueuedConnection);
    }
}

}  // namespace pw::gui
