// SPDX-License-Identifier: GPL-3.0-or-later
// The slots of a composer's diagram, showing a composition.
#include "gui/composer/slot_grid.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QBoxLayout>
#include <QComboBox>
#include <QIcon>
#include <QInputEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSvgWidget>
#include <array>

#include "core/common/translated_text.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_set.h"
#include "gui/common/dialog_texts.h"
#include "gui/composer/label_font.h"
#include "gui/composer/map_list_model.h"
#include "gui/composer/picture_popup.h"

namespace pw::gui {
namespace {

// A slot's drop-down shows this many names before it scrolls.
constexpr int kVisibleMapNames = 20;

// The map-set pictures, in the order of MapSet: Ironfall, Emberline.
constexpr std::array<const char*, kMapSets.size()> kMapSetPictures = {":/art/ironfall.svg",
                                                                      ":/art/emberline.svg"};

QString directionText(Direction direction) {
    const std::string_view name = directionName(direction);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// Notes whether Shift was held as a button's click began: the mouse button's press, or
// Space going down (the keys may be let go in either order). A press that ends in no click
// (the focus or the mouse moved away first) is forgotten, so that a later click without
// input events, such as a screen reader's, turns forward.
class ShiftWatch : public QObject {
  public:
    ShiftWatch(QObject& button, bool& held) : QObject(&button), held_(held) {
        button.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto* key = dynamic_cast<const QKeyEvent*>(event);
        const bool spaceKey = key != nullptr && !key->isAutoRepeat() &&
                              (key->key() == Qt::Key_Space || key->key() == Qt::Key_Select);
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                held_ = static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier);
                break;
            case QEvent::KeyPress:
                if (spaceKey) {
                    held_ = key->modifiers().testFlag(Qt::ShiftModifier);
                }
                break;
            case QEvent::MouseButtonRelease:
            case QEvent::KeyRelease:
                // After the button has handled the release, and with it any click.
                if (event->type() == QEvent::MouseButtonRelease || spaceKey) {
                    QMetaObject::invokeMethod(this, [this] { held_ = false; }, Qt::QueuedConnection);
                }
                break;
            case QEvent::FocusOut:
                held_ = false;
                break;
            default:
                break;
        }
        return false;
    }

  private:
    bool& held_;
};

}  // namespace

SlotGrid::SlotGrid(QWidget& dialog, Layout layout, int slotsInUse)
    : QObject(&dialog),
      dialog_(dialog),
      slotsInUse_(slotsInUse),
      // Each template holds a slot for every map its layout can take.
      widgets_(findComposerWidgets(dialog, countRange(layout).last)) {
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        attach(i);
        if (i >= static_cast<std::size_t>(countRange(layout).first)) {
            widgets_.slots[i].mapList->hide();
            widgets_.slots[i].arrow->hide();
            widgets_.slots[i].panel->hide();
        }
    }
    // A click without input events turns it on; Shift held turns it back.
    new ShiftWatch(*widgets_.directionButton, turnBack_);
    connect(widgets_.directionButton, &QAbstractButton::clicked, this, [this] {
        const bool back = turnBack_;
        turnBack_ = false;
        Q_EMIT turned(back);
    });
    describe(layout);
}

void SlotGrid::attach(std::size_t i) {
    const SlotWidgets& slot = widgets_.slots[i];
    // Unused slots leave their place in the diagram empty, as on paper.
    for (QWidget* part :
         {static_cast<QWidget*>(slot.mapList), slot.arrow, slot.panel,
          static_cast<QWidget*>(slot.leftLabel), static_cast<QWidget*>(slot.rightLabel)}) {
        keepPlaceWhenHidden(part);
    }
    // The panels are white paper in the map diagram, whatever the colour scheme.
    QPalette paper = slot.panel->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    slot.panel->setPalette(paper);
    slot.leftLabel->hide();
    slot.rightLabel->hide();
    // Centred in the panel between the number labels, and never widening it.
    auto* kept = new QLabel(slot.panel);
    kept->setObjectName(QStringLiteral("keptMark%1").arg(i + 1));
    kept->setAlignment(Qt::AlignCenter);
    kept->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    kept->setStyleSheet(QStringLiteral("color: #a04000; font-style: italic;"));
    kept->hide();
    if (auto* row = qobject_cast<QBoxLayout*>(slot.panel->layout())) {
        row->insertWidget(2, kept, 1);
        row->insertStretch(3);
    }
    keptMarks_.push_back(kept);
    // A list, not a menu, so that the drop-down scrolls after kVisibleMapNames names
    // whatever the style would do.
    slot.mapList->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    slot.mapList->setMaxVisibleItems(kVisibleMapNames);
    // The style turns the list's scroll bar off; a longer list must show there is more.
    slot.mapList->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The closed drop-down keeps its small mark; the open list shows the pictures.
    slot.mapList->setIconSize(MapListModel::kIconSize);
    slot.mapList->view()->setIconSize(MapListModel::kPictureSize);
    new PicturePopup(*slot.mapList);
    connect(slot.mapList, &QComboBox::currentIndexChanged, this, [this, i, list = slot.mapList] {
        Q_EMIT chosen(static_cast<int>(i), list->currentIndex());
    });
}

void SlotGrid::describe(Layout layout) {
    // Where the slots lie in rows and columns, their place is said, not only drawn.
    const std::optional<LayoutShape> shape = shapeFor(layout, countRange(layout).last);
    const bool placed = shape && shape->rows > 1 && shape->columns == 2;
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        QComboBox& list = *widgets_.slots[i].mapList;
        QString name = QString::fromStdString(DialogTexts::slotListName(slot));
        if (placed) {
            const int at = static_cast<int>(i);
            name = QString::fromStdString(
                filled(shape->columnOf(at) == 0 ? tr("Slot %1 map file, row %2, left column")
                                                : tr("Slot %1 map file, row %2, right column"),
                       {std::to_string(slot), std::to_string(shape->rowOf(at) + 1)}));
        }
        list.setAccessibleName(name);
        list.setAccessibleDescription(
            QString::fromStdString(DialogTexts::slotListDescription(slot)));
    }
    widgets_.directionButton->setAccessibleName(DialogTexts::directionName());
}

void SlotGrid::open(MapSet mapSet, const std::function<void(QComboBox&)>& list) {
    if (mapSetInfo(mapSet) != nullptr) {
        widgets_.mapSetPicture->load(
            QString::fromLatin1(kMapSetPictures.at(static_cast<std::size_t>(mapSet))));
    }
    const QFont font = labelFont(dialog_.logicalDpiY());
    for (const SlotWidgets& slot : widgets_.slots) {
        slot.leftLabel->setFont(font);
        slot.rightLabel->setFont(font);
    }
    widgets_.directionLabel->setFont(font);
    widgets_.directionButton->setIcon(QIcon(QStringLiteral(":/art/direction_arrow.svg")));
    for (std::size_t i = 0; i < widgets_.slots.size() && inUse(i); ++i) {
        const SlotWidgets& slot = widgets_.slots[i];
        slot.panel->show();
        slot.arrow->show();
        slot.mapList->show();
        // Filling selects the first name on its own; that is no choice of the user's.
        {
            const QSignalBlocker quiet(slot.mapList);
            list(*slot.mapList);
        }
        // The chosen panel found damaged later changes what the slot's description says.
        connect(slot.mapList->model(), &QAbstractItemModel::dataChanged, slot.mapList,
                [shown = slot.mapList](const QModelIndex& first, const QModelIndex& last,
                                       const QList<int>& roles) {
                    const int row = shown->currentIndex();
                    if (row >= first.row() && row <= last.row() &&
                        (roles.isEmpty() || roles.contains(Qt::AccessibleDescriptionRole))) {
                        QAccessibleEvent changed(shown, QAccessible::DescriptionChanged);
                        QAccessible::updateAccessibility(&changed);
                    }
                });
    }
}

std::vector<SlotMark> SlotGrid::show(const Composition& composition) {
    std::vector<SlotMark> marks;
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        const SlotWidgets& widgets = widgets_.slots[i];
        const SlotState& state = composition.slots.at(i);
        {
            const QSignalBlocker quiet(widgets.mapList);
            widgets.mapList->setCurrentIndex(state.row);
        }
        widgets.leftLabel->setText(state.leftText);
        widgets.rightLabel->setText(state.rightText);
        widgets.leftLabel->setVisible(state.shown == Mark::L);
        widgets.rightLabel->setVisible(state.shown == Mark::R);
        const QString chosen = widgets.mapList->currentText();
        // A slot joins with a mark its chosen name does not show: one an earlier name
        // gave it, or a setup.
        const bool kept = inUse(i) && state.row >= 0 && state.mark &&
                          parseMapFileName(chosen.toStdString()).mark != state.mark;
        const SlotMark mark{state.mark, kept ? state.markFrom : QString()};
        keptMarks_[i]->setText(keptMarkText(mark));
        keptMarks_[i]->setToolTip(keptMarkToolTip(mark, chosen));
        keptMarks_[i]->setVisible(kept);
        // What the number labels and "R (kept)" show, told to a screen reader too.
        std::string description = DialogTexts::slotListDescription(static_cast<int>(i) + 1);
        if (state.mark && state.row >= 0) {
            description += DialogTexts::slotJoinsWith(*state.mark);
        }
        widgets.mapList->setAccessibleDescription(
            QString::fromStdString(description) +
            (kept ? QLatin1Char('\n') + keptMarks_[i]->toolTip() : QString()));
        if (inUse(i)) {
            marks.push_back(mark);
        }
    }
    const QString direction = directionText(composition.direction);
    widgets_.directionLabel->setText(direction);
    widgets_.directionButton->setAccessibleDescription(
        QString::fromStdString(DialogTexts::directionDescription(direction.toStdString())));
    return marks;
}

}  // namespace pw::gui
