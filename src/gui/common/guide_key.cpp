// SPDX-License-Identifier: GPL-3.0-or-later
// F1 in every window: an action that asks for the window's page of the guide.
#include "gui/common/guide_key.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <functional>

#include "gui/common/dialog_environment.h"
#include "gui/common/dialog_texts.h"

namespace pw::gui {
namespace {

// F1 of a window that offers the guide: the page it asks for and whom it asks. A window
// it belongs to finds it by its name.
class GuideAction : public QAction {
    Q_OBJECT

  public:
    GuideAction(QWidget& window, QString page, std::function<void(QWidget*, const QString&)> open)
        : QAction(DialogTexts::guideItem(), &window),
          page_(std::move(page)),
          open_(std::move(open)) {
        setObjectName(QString::fromLatin1(kName));
    }

    void open(QWidget* from, const QString& page) const {
        if (open_) {
            open_(from, page.isEmpty() ? page_ : page);
        }
    }

    static constexpr char kName[] = "guideAction";

  private:
    QString page_;
    std::function<void(QWidget*, const QString&)> open_;
};

// F1, and the shortcut shown beside a menu entry, in the window that `holder` is part of:
// the window itself, or a menu of its menu bar.
void bindF1(QAction& action, QWidget& holder) {
    action.setShortcut(QKeySequence::HelpContents);
    action.setShortcutContext(Qt::WindowShortcut);
    holder.addAction(&action);
}

}  // namespace

QAction& offerGuide(QWidget& window, const DialogEnvironment& environment, const QString& page,
                    QMenu* menu) {
    auto* action = new GuideAction(window, page, environment.openGuide);
    bindF1(*action, menu != nullptr ? static_cast<QWidget&>(*menu) : window);
    QObject::connect(action, &QAction::triggered, action,
                     [action, &window] { action->open(&window, {}); });
    return *action;
}

void offerGuideAsOwnerDoes(QWidget& window, const QString& page) {
    auto* action = new QAction(&window);
    bindF1(*action, window);
    QObject::connect(action, &QAction::triggered, &window, [&window, page] {
        for (QWidget* owner = window.parentWidget(); owner != nullptr;
             owner = owner->parentWidget()) {
            if (auto* offered = owner->findChild<GuideAction*>(
                    QString::fromLatin1(GuideAction::kName), Qt::FindDirectChildrenOnly)) {
                // The guide belongs to the owner, which outlives a box or a print dialog.
                offered->open(owner, page);
                return;
            }
        }
    });
}

}  // namespace pw::gui

#include "guide_key.moc"
