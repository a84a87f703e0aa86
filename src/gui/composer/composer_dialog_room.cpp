// SPDX-License-Identifier: GPL-3.0-or-later
// The composer dialog's room: its size with the preview and without, always within its
// screen, and the handle between the slots and the preview, which goes beside the slots
// or under them, wherever it has more room.

#include <QCheckBox>
#include <QCoreApplication>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <algorithm>

#include "gui/composer/composer_dialog.h"
#include "gui/composer/slots_area.h"
#include "gui/preview/preview_pane.h"

namespace pw::gui {
namespace {

// Per layout: the dialog's size with the preview shown, whether it was maximised, and
// where the user left the handle, beside or under the slots.
QString layoutKey(const QString& what, Layout layout) {
    return QStringLiteral("Preview/") + what + QLatin1Char('/') +
           QString::fromLatin1(layoutName(layout).data());
}
QString sizeKey(Layout layout) {
    return layoutKey(QStringLiteral("Size"), layout);
}
QString maximizedKey(Layout layout) {
    return layoutKey(QStringLiteral("Maximized"), layout);
}
QString splitKey(Layout layout, Qt::Orientation orientation) {
    return layoutKey(orientation == Qt::Horizontal ? QStringLiteral("Split/Beside")
                                                   : QStringLiteral("Split/Under"),
                     layout);
}

// Length over height of a usual panel: the bundled sets' are 32 by 20 and 28 by 24 cells.
constexpr double kUsualPanelShape = 1.4;

}  // namespace

void ComposerDialog::applyPreviewShown(bool shown) {
    if (!shown && isVisible() && preview_->isVisibleTo(this)) {
        rememberSize();
    }
    preview_->setVisible(shown);
    fitToScreen();
    if (!shown) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        layout()->activate();
        placeSplit();
        return;
    }
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The bars moved and stacked: every layout's sizes asked anew before the window's.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    layout()->activate();
    resize(openingSize());
    layout()->activate();
    placeSplit();
    if (environment_.settings->value(maximizedKey(layout_), false).toBool()) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

double ComposerDialog::fittedPictureArea(int width, int height) const {
    if (width <= 0 || height <= 0) {
        return 0;
    }
    // The joined map's shape: the layout's panels across and down, each of a usual shape.
    const std::optional<LayoutShape> shape = shapeFor(layout_, slotsInUse_);
    const double across = shape ? shape->columns * kUsualPanelShape / shape->rows : 1;
    return std::min<double>(width, across * height) * std::min<double>(height, width / across);
}

void ComposerDialog::fitToScreen() {
    const QSize room = screenRoom();
    const QSize slots = slotsArea_->wholeSize();
    const bool shown = preview_->isVisibleTo(this);
    QWidget& side = *split_->widget(1);
    // What the preview's side needs beyond the picture's own least room.
    const QWidget& view = *findChild<QWidget*>(QStringLiteral("previewView"));
    const int pictureLeast = std::max(view.minimumSize().height(), view.minimumSizeHint().height());
    const auto sideMinimum = [&side] {
        side.layout()->invalidate();
        side.layout()->activate();
        return side.minimumSizeHint();
    };
    const int handle = split_->handleWidth();
    placeBarsUnderSlots(false);
    stackPreviewControls(true);
    const QSize stacked = sideMinimum();
    stackPreviewControls(false);
    const QSize flat = sideMinimum();
    // Beside the slots, where the bars would have to stack, they go under the slots
    // instead and leave the picture the column's height.
    const int besideWidth = room.width() - slots.width() - handle;
    const bool barsUnder = shown && flat.width() > besideWidth;
    placeBarsUnderSlots(barsUnder);
    const int besideLines = sideMinimum().height();
    placeBarsUnderSlots(false);
    // Beside the slots or under them: wherever the joined map's picture would be shown
    // larger. Hidden, the preview leaves the command bar beside the slots, as the
    // template has it.
    const double beside =
        fittedPictureArea(besideWidth, room.height() - besideLines + pictureLeast);
    const double under = fittedPictureArea(
        room.width(), room.height() - slots.height() - handle + pictureLeast -
                          (flat.width() > room.width() ? stacked : flat).height());
    const Qt::Orientation orientation = shown && under > beside ? Qt::Vertical : Qt::Horizontal;
    split_->setOrientation(orientation);
    slotsArea_->setAlignment(orientation == Qt::Horizontal ? Qt::AlignLeft | Qt::AlignTop
                                                           : Qt::AlignHCenter | Qt::AlignTop);
    split_->handle(1)->setEnabled(shown);
    const bool underSlots = barsUnder && orientation == Qt::Horizontal;
    placeBarsUnderSlots(underSlots);
    // The bars stack where they are wider than what holds them.
    const int barsWidth = underSlots                      ? slots.width()
                          : orientation == Qt::Horizontal ? besideWidth
                                                          : room.width();
    stackPreviewControls((underSlots ? underSlots_->sizeHint() : sideMinimum()).width() >
                         barsWidth);
    // What shares the room with the slots stays whole; the slots scroll if they must.
    const QSize sideSize = sideMinimum();
    const int barsHeight = underSlots ? underSlots_->sizeHint().height() : 0;
    slotsArea_->setRoom(
        orientation == Qt::Horizontal
            ? QSize(room.width() - sideSize.width() - handle, room.height() - barsHeight)
            : QSize(room.width(), room.height() - sideSize.height() - handle));
}

void ComposerDialog::refreshHints() {
    // Layouts keep their parts' sizes: asked anew once bars moved or stacked.
    for (QWidget* part :
         {commandBar_, split_->widget(0), split_->widget(1), static_cast<QWidget*>(split_)}) {
        if (part->layout() != nullptr) {
            part->layout()->invalidate();
        }
        part->updateGeometry();
    }
    layout()->invalidate();
}

void ComposerDialog::placeBarsUnderSlots(bool under) {
    if (under == barsUnderSlots_) {
        return;
    }
    barsUnderSlots_ = under;
    // Margins only while it holds the bars: empty, it takes no room.
    const int margin = style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    underSlots_->setContentsMargins(under ? QMargins(margin, 0, margin, margin) : QMargins());
    if (under) {
        underSlots_->addWidget(commandBar_);
        preview_->placeControls(underSlots_);
    } else {
        previewColumn_->insertWidget(0, commandBar_);
        preview_->placeControls(nullptr);
    }
    commandBar_->show();
    refreshHints();
}

void ComposerDialog::stackPreviewControls(bool stacked) {
    commandRow_->setDirection(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    // The stretch that keeps the setup commands at the right edge: none in a column.
    commandRow_->itemAt(1)->spacerItem()->changeSize(
        0, 0, stacked ? QSizePolicy::Minimum : QSizePolicy::Expanding, QSizePolicy::Minimum);
    commandRow_->invalidate();
    preview_->setCompact(stacked);
    refreshHints();
}

void ComposerDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // However the window grows or shrinks (maximised, say), the slots keep their room.
    if (opened_ && preview_->isVisibleTo(this)) {
        placeSplit();
    }
}

void ComposerDialog::rememberSplit() {
    environment_.settings->setValue(splitKey(layout_, split_->orientation()),
                                    split_->sizes().value(0));
}

void ComposerDialog::placeSplit() {
    // The slots whole (as far as the room goes) unless the user moved the handle; the
    // preview takes the rest.
    const Qt::Orientation orientation = split_->orientation();
    const QVariant remembered = preview_->isVisibleTo(this)
                                    ? environment_.settings->value(splitKey(layout_, orientation))
                                    : QVariant();
    const QSize slots = split_->widget(0)->sizeHint();  // with the bars under them
    const int along = orientation == Qt::Horizontal ? slots.width() : slots.height();
    const int total = (orientation == Qt::Horizontal ? split_->width() : split_->height()) -
                      split_->handleWidth();
    const int first =
        std::clamp(remembered.isValid() ? remembered.toInt() : along, 0, std::max(total, 0));
    split_->setSizes({first, total - first});
}

QSize ComposerDialog::screenRoom() const {
    // The window frame is the window manager's; before it is known, about a title bar.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty()) {
        frame = QSize(8, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    }
    return screen()->availableGeometry().size() - frame;
}

QSize ComposerDialog::openingSize() const {
    const QSize remembered = environment_.settings->value(sizeKey(layout_)).toSize();
    // Under the slots, the preview is as wide as the screen lets it be.
    const QSize hint = split_->orientation() == Qt::Vertical
                           ? QSize(QWIDGETSIZE_MAX, sizeHint().height())
                           : sizeHint();
    const QSize wanted = remembered.isValid() ? remembered : hint;
    return wanted.expandedTo(minimumSize()).boundedTo(screenRoom());
}

void ComposerDialog::rememberSize() {
    const bool maximized = isMaximized();
    environment_.settings->setValue(sizeKey(layout_),
                                    (maximized ? normalGeometry() : geometry()).size());
    environment_.settings->setValue(maximizedKey(layout_), maximized);
}

}  // namespace pw::gui
