// SPDX-License-Identifier: GPL-3.0-or-later
// The composer's room: the slots and the preview at a handle, sized to the screen.
#include "gui/composer/composer_room.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLayout>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/dialog_texts.h"
#include "gui/composer/preview_splitter.h"
#include "gui/composer/slots_area.h"
#include "gui/preview/preview_pane.h"

namespace pw::gui {
namespace {

// Length over height of a usual panel: the bundled sets' are 32 by 20 and 28 by 24 cells.
constexpr double kUsualPanelShape = 1.4;

// The preview keeps the window's margin on each side it shares with the window's edge:
// beside the slots every side but the left, under them every side but the top.
QMargins previewMargins(const QWidget& dialog, Qt::Orientation orientation) {
    const int margin = dialog.style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    return orientation == Qt::Horizontal ? QMargins(0, margin, margin, margin)
                                         : QMargins(margin, 0, margin, margin);
}

}  // namespace

ComposerRoom::ComposerRoom(QDialog& dialog, PreviewPane& preview,
                           const std::vector<QWidget*>& commands, Layout layout, int slotsInUse,
                           QSettings& settings)
    : QObject(&dialog),
      dialog_(dialog),
      preview_(preview),
      layout_(layout),
      slotsInUse_(slotsInUse),
      memory_(settings, layout) {
    // The template's layout moves into a body of its own, and the preview goes beside it.
    auto* body = new QWidget;
    body->setLayout(dialog.layout());
    slotsArea_ = new SlotsArea(body, &dialog);
    slotsArea_->setObjectName(QStringLiteral("slotsArea"));
    // Slots that grow once their lists are filled keep their room beside the preview.
    slotsArea_->whenResized([this] {
        if (opened_ && previewToggle_->isChecked()) {
            placeSplit();
        }
    });
    previewToggle_ = new QCheckBox(DialogTexts::previewToggle(), &dialog);
    previewToggle_->setObjectName(QStringLiteral("previewToggle"));
    previewToggle_->setAccessibleDescription(DialogTexts::previewToggleDescription());
    auto* previewColumn = new QVBoxLayout;
    previewColumn->setContentsMargins(previewMargins(dialog, Qt::Horizontal));
    commandRow_ = new QHBoxLayout;
    commandRow_->addWidget(previewToggle_);
    commandRow_->addStretch(1);
    for (QWidget* command : commands) {
        commandRow_->addWidget(command);
    }
    // Each at its own width, also when they are stacked (stackPreviewControls()).
    for (int i = 0; i < commandRow_->count(); ++i) {
        if (QWidget* control = commandRow_->itemAt(i)->widget()) {
            commandRow_->setAlignment(control, Qt::AlignLeft);
        }
    }
    commandRow_->setContentsMargins(0, 0, 0, 0);
    commandBar_ = new QWidget;
    commandBar_->setLayout(commandRow_);
    previewColumn->addWidget(commandBar_);
    previewColumn->addWidget(&preview, 1);
    previewColumn_ = previewColumn;
    auto* previewSide = new QWidget;
    previewSide->setLayout(previewColumn);
    // Under the slots: the preview's controls, where the preview has little width.
    auto* slotsSide = new QWidget;
    auto* slotsColumn = new QVBoxLayout(slotsSide);
    slotsColumn->setContentsMargins(0, 0, 0, 0);
    slotsColumn->addWidget(slotsArea_);
    underSlots_ = new QVBoxLayout;
    slotsColumn->addLayout(underSlots_);
    slotsColumn->addStretch(1);
    // The slots and the preview share the room at a handle the user can move; the preview
    // takes what the window gains.
    split_ = new PreviewSplitter(&dialog);
    split_->setObjectName(QStringLiteral("previewSplitter"));
    split_->setChildrenCollapsible(false);
    split_->addWidget(slotsSide);
    split_->addWidget(previewSide);
    split_->setStretchFactor(0, 0);
    split_->setStretchFactor(1, 1);
    connect(split_, &QSplitter::splitterMoved, this, &ComposerRoom::rememberSplit);
    auto* frame = new QHBoxLayout(&dialog);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(split_);
    // Fixed like a dialog template until it is shown (see applyPreviewShown()).
    frame->setSizeConstraint(QLayout::SetFixedSize);

    const bool shown = memory_.previewShown();
    previewToggle_->setChecked(shown);
    preview.setVisible(shown);
    connect(previewToggle_, &QCheckBox::toggled, this, [this](bool on) {
        memory_.keepPreviewShown(on);
        applyPreviewShown(on);
        Q_EMIT previewToggled(on);
    });
}

bool ComposerRoom::previewShown() const {
    return previewToggle_->isChecked();
}

void ComposerRoom::fit() {
    applyPreviewShown(previewToggle_->isChecked());
}

void ComposerRoom::resized() {
    // However the window grows or shrinks (maximised, say), the slots keep their room.
    if (opened_ && preview_.isVisibleTo(&dialog_)) {
        placeSplit();
    }
}

void ComposerRoom::hidden() {
    if (opened_ && previewToggle_->isChecked()) {
        rememberSize();
    }
}

void ComposerRoom::applyPreviewShown(bool shown) {
    if (!shown && dialog_.isVisible() && preview_.isVisibleTo(&dialog_)) {
        rememberSize();
    }
    preview_.setVisible(shown);
    fitToScreen();
    if (!shown) {
        dialog_.setWindowState(dialog_.windowState() & ~Qt::WindowMaximized);
        dialog_.layout()->setSizeConstraint(QLayout::SetFixedSize);
        dialog_.layout()->activate();
        placeSplit();
        return;
    }
    dialog_.layout()->setSizeConstraint(QLayout::SetMinimumSize);
    dialog_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The bars moved and stacked: every layout's sizes asked anew before the window's.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    dialog_.layout()->activate();
    dialog_.resize(openingSize());
    dialog_.layout()->activate();
    placeSplit();
    if (memory_.maximized()) {
        dialog_.setWindowState(dialog_.windowState() | Qt::WindowMaximized);
    }
}

double ComposerRoom::fittedPictureArea(int width, int height) const {
    if (width <= 0 || height <= 0) {
        return 0;
    }
    // The joined map's shape: the layout's panels across and down, each of a usual shape.
    const std::optional<LayoutShape> shape = shapeFor(layout_, slotsInUse_);
    const double across = shape ? shape->columns * kUsualPanelShape / shape->rows : 1;
    return std::min<double>(width, across * height) * std::min<double>(height, width / across);
}

void ComposerRoom::fitToScreen() {
    const QSize room = screenRoom();
    const QSize slots = slotsArea_->wholeSize();
    const bool shown = preview_.isVisibleTo(&dialog_);
    QWidget& side = *split_->widget(1);
    // What the preview's side needs beyond the picture's own least room.
    const QWidget& view = *dialog_.findChild<QWidget*>(QStringLiteral("previewView"));
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
    previewColumn_->setContentsMargins(previewMargins(dialog_, orientation));
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

void ComposerRoom::refreshHints() {
    // Layouts keep their parts' sizes: asked anew once bars moved or stacked.
    for (QWidget* part :
         {commandBar_, split_->widget(0), split_->widget(1), static_cast<QWidget*>(split_)}) {
        if (part->layout() != nullptr) {
            part->layout()->invalidate();
        }
        part->updateGeometry();
    }
    dialog_.layout()->invalidate();
}

void ComposerRoom::placeBarsUnderSlots(bool under) {
    if (under == barsUnderSlots_) {
        return;
    }
    barsUnderSlots_ = under;
    // Margins only while it holds the bars: empty, it takes no room.
    const int margin = dialog_.style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    underSlots_->setContentsMargins(under ? QMargins(margin, 0, margin, margin) : QMargins());
    if (under) {
        underSlots_->addWidget(commandBar_);
        preview_.placeControls(underSlots_);
    } else {
        previewColumn_->insertWidget(0, commandBar_);
        preview_.placeControls(nullptr);
    }
    commandBar_->show();
    refreshHints();
}

void ComposerRoom::stackPreviewControls(bool stacked) {
    commandRow_->setDirection(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    // The stretch that keeps the setup commands at the right edge: none in a column.
    commandRow_->itemAt(1)->spacerItem()->changeSize(
        0, 0, stacked ? QSizePolicy::Minimum : QSizePolicy::Expanding, QSizePolicy::Minimum);
    commandRow_->invalidate();
    preview_.setCompact(stacked);
    refreshHints();
}

void ComposerRoom::rememberSplit() {
    memory_.keepSplit(split_->orientation(), split_->sizes().value(0));
}

void ComposerRoom::placeSplit() {
    // The slots whole (as far as the room goes) unless the user moved the handle; the
    // preview takes the rest.
    const Qt::Orientation orientation = split_->orientation();
    const QVariant remembered =
        preview_.isVisibleTo(&dialog_) ? memory_.split(orientation) : QVariant();
    const QSize slots = split_->widget(0)->sizeHint();  // with the bars under them
    const int along = orientation == Qt::Horizontal ? slots.width() : slots.height();
    const int total = (orientation == Qt::Horizontal ? split_->width() : split_->height()) -
                      split_->handleWidth();
    const int first =
        std::clamp(remembered.isValid() ? remembered.toInt() : along, 0, std::max(total, 0));
    split_->setSizes({first, total - first});
}

QSize ComposerRoom::screenRoom() const {
    // The window frame is the window manager's; before it is known, about a title bar.
    QSize frame = dialog_.frameGeometry().size() - dialog_.geometry().size();
    if (frame.isEmpty()) {
        frame = QSize(8, dialog_.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    }
    return dialog_.screen()->availableGeometry().size() - frame;
}

QSize ComposerRoom::openingSize() const {
    const QSize remembered = memory_.size();
    // Under the slots, the preview is as wide as the screen lets it be.
    const QSize hint = split_->orientation() == Qt::Vertical
                           ? QSize(QWIDGETSIZE_MAX, dialog_.sizeHint().height())
                           : dialog_.sizeHint();
    const QSize wanted = remembered.isValid() ? remembered : hint;
    return wanted.expandedTo(dialog_.minimumSize()).boundedTo(screenRoom());
}

void ComposerRoom::rememberSize() {
    const bool maximized = dialog_.isMaximized();
    memory_.keepSize((maximized ? dialog_.normalGeometry() : dialog_.geometry()).size(), maximized);
}

}  // namespace pw::gui
