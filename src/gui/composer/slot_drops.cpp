// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop of map files, slots and setups on a composer dialog.
#include "gui/composer/slot_drops.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include "core/setup/setup.h"
#include "gui/common/dragged_file.h"
#include "gui/composer/drop_highlight.h"

namespace pw::gui {
namespace {

// A slot dragged within one dialog carries its number.
const QString kSlotFormat = QStringLiteral("application/x-panelwright-slot");

constexpr char kMapSuffix[] = ".map";

std::optional<int> draggedSlot(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasFormat(kSlotFormat)) {
        return std::nullopt;
    }
    bool isNumber = false;
    const int slot = mime->data(kSlotFormat).toInt(&isNumber);
    return isNumber ? std::optional(slot) : std::nullopt;
}

}  // namespace

SlotDrops::SlotDrops(QWidget& dialog, const ComposerWidgets& widgets, int slotsInUse,
                     Handlers handlers)
    : QObject(&dialog), dialog_(dialog), handlers_(std::move(handlers)) {
    dialog.setAcceptDrops(true);
    dialog.installEventFilter(this);
    for (int slot = 0; slot < slotsInUse; ++slot) {
        const SlotWidgets& parts = widgets.slots.at(static_cast<std::size_t>(slot));
        lists_.push_back(parts.mapList);
        lit_.emplace_back();
        for (QWidget* part : {static_cast<QWidget*>(parts.mapList), parts.panel}) {
            slotOf_.insert(part, slot);
            part->setAcceptDrops(true);
            part->installEventFilter(this);
            lit_.back().push_back(new DropHighlight(*part));
        }
    }
}

QMimeData* SlotDrops::slotDrag(int slot) {
    auto* mime = new QMimeData;
    mime->setData(kSlotFormat, QByteArray::number(slot));
    return mime;
}

bool SlotDrops::accepts(const QMimeData* mime, int slot) const {
    if (draggedFile(mime, kSetupSuffix)) {
        return true;
    }
    if (slot < 0) {
        return false;
    }
    const std::optional<int> from = draggedSlot(mime);
    return (from && *from != slot && slotOf_.values().contains(*from)) ||
           draggedFile(mime, kMapSuffix).has_value();
}

void SlotDrops::drop(const QMimeData* mime, int slot) {
    // The drag ends first: what the drop does may ask or tell the user in a window.
    std::function<void()> action;
    if (const std::optional<QString> setup = draggedFile(mime, kSetupSuffix)) {
        action = [this, path = *setup] { handlers_.setupDropped(path); };
    } else if (const std::optional<int> from = draggedSlot(mime)) {
        action = [this, from = *from, slot] { handlers_.slotDropped(from, slot); };
    } else if (const std::optional<QString> map = draggedFile(mime, kMapSuffix)) {
        action = [this, slot, path = *map] { handlers_.mapDropped(slot, path); };
    }
    QTimer::singleShot(0, this, action);
}

void SlotDrops::startDrag(int slot) {
    auto* drag = new QDrag(&dialog_);
    drag->setMimeData(slotDrag(slot));
    // The chosen panel's picture goes along under the pointer.
    const QComboBox& list = *lists_.at(static_cast<std::size_t>(slot));
    if (const QIcon picture = list.itemIcon(list.currentIndex()); !picture.isNull()) {
        const QSize size = list.view()->iconSize();  // the open list's picture
        drag->setPixmap(picture.pixmap(size, dialog_.devicePixelRatioF()));
        drag->setHotSpot(QPoint(size.width() / 2, size.height() / 2));
    }
    drag->exec(Qt::MoveAction);
}

void SlotDrops::light(int slot) {
    if (slot == litSlot_) {
        return;
    }
    for (std::size_t i = 0; i < lit_.size(); ++i) {
        for (DropHighlight* part : lit_[i]) {
            part->setVisible(static_cast<int>(i) == slot);
            part->raise();
        }
    }
    litSlot_ = slot;
}

bool SlotDrops::eventFilter(QObject* watched, QEvent* event) {
    const int slot = slotOf_.value(watched, -1);
    if (watched != &dialog_ && slot < 0) {
        return false;
    }
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* move = static_cast<QDragMoveEvent*>(event);
            if (!accepts(move->mimeData(), slot)) {
                move->ignore();
                light(-1);
                return slot >= 0;  // a slot that refuses does not hand the drag to the dialog
            }
            move->acceptProposedAction();
            light(slot);
            return true;
        }
        case QEvent::DragLeave:
            if (slot >= 0 && slot == litSlot_) {
                light(-1);
            }
            return false;
        case QEvent::Drop: {
            auto* dropped = static_cast<QDropEvent*>(event);
            light(-1);
            if (!accepts(dropped->mimeData(), slot)) {
                return false;
            }
            dropped->acceptProposedAction();
            drop(dropped->mimeData(), slot);
            return true;
        }
        case QEvent::MouseButtonPress:
            // A slot's panel starts a drag; its drop-down opens its list as always.
            // The press reaches the dialog too, once the panel has passed it on.
            if (auto* press = static_cast<QMouseEvent*>(event);
                slot >= 0 && press->button() == Qt::LeftButton &&
                qobject_cast<QComboBox*>(watched) == nullptr) {
                pressedAt_ = press->position().toPoint();
                pressedSlot_ = slot;
            }
            return false;
        case QEvent::MouseMove:
            if (auto* move = static_cast<QMouseEvent*>(event);
                pressedSlot_ == slot && slot >= 0 && (move->buttons() & Qt::LeftButton) != 0 &&
                (move->position().toPoint() - pressedAt_).manhattanLength() >=
                    QApplication::startDragDistance()) {
                pressedSlot_ = -1;
                startDrag(slot);
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace pw::gui
