// SPDX-License-Identifier: GPL-3.0-or-later
// The two-line description under the preview of what the mouse is over.
#pragma once

#include <QLabel>
#include <QString>

namespace pw::gui {

// The line under the preview that describes what the mouse is over. It keeps the height
// of two lines whatever it says, so that the picture above does not jump; a text longer
// than that wraps into the second line and ends in "..." there, and is never wider than
// the pane.
class HoverLine : public QLabel {
  public:
    explicit HoverLine(QWidget* parent = nullptr);

    void setLine(const QString& text);
    const QString& line() const { return line_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void refit();

    QString line_;
};

}  // namespace pw::gui
