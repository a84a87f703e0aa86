// SPDX-License-Identifier: GPL-3.0-or-later
// A map set's legend read off the GUI thread.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "render/legend.h"

namespace pw::gui {

// Reads a map set's legend off the GUI thread and hands it back on it, with the note
// Legend::loadFromFolder gives (empty, or why the legend was left out).
class LegendLoader : public QObject {
  public:
    using Delivery = std::function<void(std::optional<Legend> legend, const std::string& note)>;

    LegendLoader(QString folder, Delivery deliver);
    // Waits for the read; nothing is delivered afterwards.
    ~LegendLoader() override;

    LegendLoader(const LegendLoader&) = delete;
    LegendLoader& operator=(const LegendLoader&) = delete;

  private:
    Delivery deliver_;
    std::jthread worker_;  // last: it starts once everything it uses is there
};

}  // namespace pw::gui
