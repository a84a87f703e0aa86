// SPDX-License-Identifier: GPL-3.0-or-later
// The description under the preview of what the mouse is over, or of what the keys do.
#include "gui/preview/hover_line.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>

namespace pw::gui {
namespace {

constexpr int kLines = 2;
// However narrow the pane, the line never takes more; what is left out is in the tooltip.
constexpr int kMostLines = 6;

}  // namespace

HoverLine::HoverLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Never widens the dialog: it takes the width it is given, and the height that needs.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int HoverLine::linesAt(int width) const {
    const int count = static_cast<int>(broken(resting_, width - 2 * margin(), kMostLines).size());
    return std::clamp(count, kLines, kMostLines);
}

int HoverLine::heightForWidth(int width) const {
    return linesAt(width) * fontMetrics().lineSpacing() + 2 * margin() + 2;
}

QSize HoverLine::sizeHint() const {
    return {QLabel::sizeHint().width(), heightForWidth(width())};
}

void HoverLine::setLine(const QString& text) {
    line_ = text;
    refit();
}

void HoverLine::setRestingLine(const QString& text) {
    resting_ = text;
    setLine(text);
    updateGeometry();
}

void HoverLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    refit();
}

QStringList HoverLine::broken(const QString& text, int width, int most) const {
    width = std::max(width, 1);
    // Lines broken where QLabel would break them; the last one takes the rest.
    QTextLayout layout(text, font());
    layout.beginLayout();
    QStringList lines;
    int start = 0;
    while (lines.size() < most - 1) {
        QTextLine next = layout.createLine();
        if (!next.isValid()) {
            break;
        }
        next.setLineWidth(width);
        lines.append(text.mid(next.textStart(), next.textLength()).trimmed());
        start = next.textStart() + next.textLength();
    }
    layout.endLayout();
    const QString rest = text.mid(start).trimmed();
    if (!rest.isEmpty()) {
        lines.append(rest);
    }
    return lines;
}

void HoverLine::refit() {
    const int width = std::max(contentsRect().width() - 2 * margin(), 1);
    QStringList lines = broken(line_, width, linesAt(contentsRect().width()));
    const QString rest = lines.isEmpty() ? QString() : lines.last();
    const QString shown = fontMetrics().elidedText(rest, Qt::ElideRight, width);
    if (!lines.isEmpty()) {
        lines.last() = shown;
    }
    setText(lines.join(QLatin1Char('\n')));
    // What "..." stands for is in the tooltip.
    setToolTip(shown == rest ? QString() : line_);
}

}  // namespace pw::gui
