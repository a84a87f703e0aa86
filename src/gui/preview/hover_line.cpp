// SPDX-License-Identifier: GPL-3.0-or-later
// The two-line description under the preview of what the mouse is over.
#include "gui/preview/hover_line.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>

namespace pw::gui {
namespace {

constexpr int kLines = 2;

}  // namespace

HoverLine::HoverLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Never widens the dialog: it takes the width it is given.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(kLines * fontMetrics().lineSpacing() + 2 * margin() + 2);
}

void HoverLine::setLine(const QString& text) {
    line_ = text;
    refit();
}

void HoverLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    refit();
}

void HoverLine::refit() {
    const int width = std::max(contentsRect().width() - 2 * margin(), 1);
    // Lines broken where QLabel would break them; the last one takes the rest, shortened.
    QTextLayout layout(line_, font());
    layout.beginLayout();
    QStringList lines;
    int start = 0;
    while (lines.size() < kLines - 1) {
        QTextLine next = layout.createLine();
        if (!next.isValid()) {
            break;
        }
        next.setLineWidth(width);
        lines.append(line_.mid(next.textStart(), next.textLength()).trimmed());
        start = next.textStart() + next.textLength();
    }
    layout.endLayout();
    const QString rest = line_.mid(start).trimmed();
    const QString shown = fontMetrics().elidedText(rest, Qt::ElideRight, width);
    if (!rest.isEmpty()) {
        lines.append(shown);
    }
    setText(lines.join(QLatin1Char('\n')));
    // What "..." stands for is in the tooltip.
    setToolTip(shown == rest ? QString() : line_);
}

}  // namespace pw::gui
