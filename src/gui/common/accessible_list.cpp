// SPDX-License-Identifier: GPL-3.0-or-later
// Drop-down lists named for a screen reader by their purpose.
#include "gui/common/accessible_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace pw::gui {
namespace {

// A drop-down list as a screen reader sees it: named for its purpose, its choice as its
// value and as its text (read only), its choice's own description before its own, its
// list of choices as its one child, and an action that opens that list.
class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return list()->currentText();
        }
        // The base class gives the accessible name or the buddy label's text.
        const QString own = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Description) {
            return own;
        }
        // A choice that says more of itself than its text (why it cannot be used) says it
        // first, as the closed list shows it only by a mark.
        const QString choice = list()->currentData(Qt::AccessibleDescriptionRole).toString();
        return choice.isEmpty() || own.isEmpty() ? choice + own : choice + QLatin1Char('\n') + own;
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        names.prepend(showMenuAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

    // The choice as text: read whole, never selected, edited or pointed into.
    QString text(int start, int end) const override {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* listFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox")) {
        if (auto* list = qobject_cast<QComboBox*>(object)) {
            return new AccessibleList(list);  // owned by Qt's accessibility cache
        }
    }
    return nullptr;
}

}  // namespace

void nameListsByPurpose() {
    static const bool installed = [] {
        QAccessible::installFactory(listFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace pw::gui
