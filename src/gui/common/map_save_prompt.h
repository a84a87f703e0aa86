// SPDX-License-Identifier: GPL-3.0-or-later
// The Save As prompt for a map file.
#pragma once

#include <QFileDialog>

namespace pw::gui {

// The Save As prompt for a map file: "MAP (*.map)", ".map" added to a bare name, a question
// before replacing a file, and a path whose folder does not exist refused in place: the
// prompt stays open for the user to correct it.
class MapSavePrompt : public QFileDialog {
    Q_OBJECT

  public:
    explicit MapSavePrompt(QWidget* parent = nullptr);

    void accept() override;
};

}  // namespace pw::gui
