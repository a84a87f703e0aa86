// SPDX-License-Identifier: GPL-3.0-or-later
// A map set's legend read off the GUI thread.
#include "gui/composer/legend_loader.h"

#include <QMetaObject>

namespace pw::gui {

LegendLoader::LegendLoader(QString folder, Delivery deliver)
    : deliver_(std::move(deliver)), worker_([this, folder = std::move(folder)] {
          std::string note;
          // The pane is narrow: the note names the file without the folder's path.
          std::optional<Legend> legend = Legend::loadFromFolder(folder, &note, Legend::kFileName);
          QMetaObject::invokeMethod(
              this,
              [this, legend = std::move(legend), note = std::move(note)]() mutable {
                  deliver_(std::move(legend), note);
              },
              Qt::QueuedConnection);
      }) {}

LegendLoader::~LegendLoader() {
    worker_.join();
    // A delivery already posted dies with this object: Qt drops its pending calls.
}

}  // namespace pw::gui
