#include "gui/composer/slot_widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSvgWidget>

namespace pw::gui {
namespace {

// A template without one of the shared controls is a programming error: stop at once.
template <typename Widget>
Widget* required(QWidget& dialog, const QString& name) {
    auto* found = dialog.findChild<Widget*>(name);
    if (found == nullptr) {
        qFatal("composer template lacks control %s", qPrintable(name));
    }
    return found;
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
