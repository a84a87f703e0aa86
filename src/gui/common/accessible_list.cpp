#include "gui/common/accessible_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace pw::gui {
namespace {

// A drop-down list as a screen reader sees it: named for its purpose, its choice as its
// value, its list of choices as its one child, and an action that opens that list.
class AccessibleList : public QAccessibleWidget {
  public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        // The base class gives the accessible name or the buddy label's text.
        return kind == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(kind);
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
