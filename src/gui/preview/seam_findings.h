// SPDX-License-Identifier: GPL-3.0-or-later
// The seam check's findings under the preview's picture, a list walked by keys.
#pragma once

#include <QListWidget>
#include <QPoint>
#include <optional>
#include <vector>

namespace pw {
struct PreviewResult;
}

namespace pw::gui {

// One line per cell that does not meet across a seam, worded as `check` prints it (a screen
// reader reads the line; the eye sees a wide space for each tab). Up and Down choose a
// finding, Enter or a double-click chooses it again; either way chosen() names its cell
// for the picture to centre on. Hidden while there is nothing to list.
class SeamFindings : public QListWidget {
    Q_OBJECT

  public:
    explicit SeamFindings(QWidget* parent = nullptr);

    // The findings of `result`; the one chosen before stays chosen where it is still found,
    // marked without moving the picture.
    void showFindingsOf(const PreviewResult& result);

  Q_SIGNALS:
    // A finding was chosen (`centre`: by the user, so the picture goes to it), or none is.
    void chosen(std::optional<QPoint> cell, bool centre);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void choose(int row, bool centre);

    std::vector<QPoint> cells_;  // the cell of each finding, in the list's order
};

}  // namespace pw::gui
