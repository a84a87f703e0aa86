// SPDX-License-Identifier: GPL-3.0-or-later
// An output kept in memory: the preview's join and the map a picture is drawn from.
#pragma once

#include <QByteArray>
#include <atomic>

#include "core/output/output_file.h"

namespace pw {

// A map written to memory, never to disk: the preview's join, and the map a picture of
// the dialogs is drawn from. Refuses more bytes once `cancel` is raised.
class MemoryOutput final : public OutputFile {
  public:
    explicit MemoryOutput(const std::atomic<bool>* cancel = nullptr) : cancel_(cancel) {}

    bool write(const char* data, std::size_t size) override {
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
            return false;
        }
        bytes_.append(data, static_cast<qsizetype>(size));
        return true;
    }
    bool commit() override { return true; }
    std::string errorString() const override { return "cancelled"; }
    const QByteArray* writtenBytes() const override { return &bytes_; }
    QByteArray takeBytes() { return std::move(bytes_); }

  private:
    QByteArray bytes_;
    const std::atomic<bool>* cancel_;
};

}  // namespace pw
