// SPDX-License-Identifier: GPL-3.0-or-later
// A composer template's controls, found by their names.
#include "gui/composer/slot_widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <type_traits>

namespace pw::gui {
namespace {

// A template without one of the shared controls is a programming error, which the dialog
// tests find for every template. Should one ship anyway, it is logged and the dialog gets a
// hidden stand-in without a name, so that it still opens and works without that control.
template <typename Widget>
Widget* required(QWidget& dialog, const QString& name) {
    if (auto* found = dialog.findChild<Widget*>(name)) {
        return found;
    }
    qCritical("composer template lacks control %s", qPrintable(name));
    using Made = std::conditional_t<std::is_abstract_v<Widget>, QPushButton, Widget>;
    auto* standIn = new Made(&dialog);
    standIn->hide();
    return standIn;
}

}  // namespace

ComposerWidgets findComposerWidgets(QWidget& dialog, int slotCount) {
    ComposerWidgets widgets;
    widgets.mapSetPicture = required<QSvgWidget>(dialog, QStringLiteral("mapSetPicture"));
    widgets.directionLabel = required<QLabel>(dialog, QStringLiteral("directionLabel"));
    widgets.directionButton = required<QAbstractButton>(dialog, QStringLiteral("directionButton"));
    widgets.saveButton = required<QAbstractButton>(dialog, QStringLiteral("saveMapButton"));
    widgets.cancelButton = required<QAbstractButton>(dialog, QStringLiteral("cancelButton"));
    for (int number = 1; number <= slotCount; ++number) {
        const QString n = QString::number(number);
        widgets.slots.push_back({
            required<QComboBox>(dialog, QStringLiteral("mapList") + n),
            required<QWidget>(dialog, QStringLiteral("slotArrow") + n),
            required<QWidget>(dialog, QStringLiteral("slotPanel") + n),
            required<QLabel>(dialog, QStringLiteral("leftLabel") + n),
            required<QLabel>(dialog, QStringLiteral("rightLabel") + n),
        });
    }
    return widgets;
}

}  // namespace pw::gui
