// SPDX-License-Identifier: GPL-3.0-or-later
// The description under the preview of what the mouse is over, or of what the keys do.
#pragma once

#include <QLabel>
#include <QString>

namespace pw::gui {

// The line under the preview that describes what the mouse is over, and at rest what the
// keys do. It keeps the height of at least two lines whatever it says, so that the picture
// above does not jump, and as many more as the resting line needs to show whole at the
// width it is given; a longer description wraps and ends in "..." on its last line. It is
// never wider than the pane.
class HoverLine : public QLabel {
  public:
    explicit HoverLine(QWidget* parent = nullptr);

    void setLine(const QString& text);
    const QString& line() const { return line_; }
    // The line shown whole while nothing is described, and shown now.
    void setRestingLine(const QString& text);
    void rest() { setLine(resting_); }

    // As high as the resting line needs at `width`, two lines at least.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void refit();
    int linesAt(int width) const;
    // The lines `text` breaks into at `width`, at most `most`, the last taking the rest.
    QStringList broken(const QString& text, int width, int most) const;

    QString line_;
    QString resting_;
};

}  // namespace pw::gui
