// SPDX-License-Identifier: GPL-3.0-or-later
// Shift+F10 as the second key of the context menu, beside the Menu key.
#include "gui/common/context_menu_key.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWindow>

namespace pw::gui {
namespace {

// Turns Shift+F10 into the event the Menu key makes: a keyboard context menu sent to the
// window, which hands it to its focused control and, unused there, to the control's parents.
class ContextMenuKey : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A key reaches the window before its focused control.
        if (event->type() != QEvent::KeyPress || !watched->isWindowType()) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier) {
            return false;
        }
        auto* window = static_cast<QWindow*>(watched);
        const QPoint pointer = QCursor::pos(window->screen());
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, window->mapFromGlobal(pointer),
                               pointer);
        QCoreApplication::sendEvent(window, &menu);
        return true;
    }
};

}  // namespace

void openContextMenusByShiftF10() {
    static const bool installed = [] {
        QCoreApplication* app = QCoreApplication::instance();
        app->installEventFilter(new ContextMenuKey(app));  // owned by the application
        return true;
    }();
    (void)installed;
}

}  // namespace pw::gui
