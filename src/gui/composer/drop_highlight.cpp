// SPDX-License-Identifier: GPL-3.0-or-later
// The light over a widget that would take what is dragged over it.
#include "gui/composer/drop_highlight.h"

#include <QEvent>
#include <QPainter>

namespace pw::gui {
namespace {

constexpr int kFrameWidth = 3;
constexpr int kWashAlpha = 90;  // of 255: the widget stays readable under it

}  // namespace

DropHighlight::DropHighlight(QWidget& target) : QWidget(&target) {
    setObjectName(QStringLiteral("dropHighlight"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(target.rect());
    target.installEventFilter(this);
    hide();
}

void DropHighlight::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor colour = palette().color(QPalette::Highlight);
    QColor wash = colour;
    wash.setAlpha(kWashAlpha);
    painter.fillRect(rect(), wash);
    painter.setPen(QPen(colour, kFrameWidth));
    painter.drawRect(QRectF(rect()).adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0,
                                             -kFrameWidth / 2.0, -kFrameWidth / 2.0));
}

bool DropHighlight::eventFilter(QObject* watched, QEvent* event) {
    // It covers its widget at every size.
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pw::gui
