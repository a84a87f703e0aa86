// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's window: the page, its title, the keys to move between pages.
#include "gui/guide/guide_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "gui/common/guide_pages.h"
#include "gui/guide/guide_browser.h"

namespace pw::gui {

QString installedGuideFolder() {
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral("../share/panelwright/guide")));
}

GuideWindow::GuideWindow(const QString& folder, QWidget* parent)
    : QMainWindow(parent, Qt::Window), folder_(folder), browser_(new GuideBrowser(folder, this)) {
    setObjectName(QStringLiteral("guideWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(browser_);
    browser_->setAccessibleName(tr("Page of the user's guide"));

    auto* keys = addToolBar(tr("Pages"));
    keys->setObjectName(QStringLiteral("guidePages"));
    keys->setMovable(false);
    keys->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The browser's own Alt+Left and Alt+Right go back and forth as well.
    QAction* back = keys->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    back->setShortcut(QKeySequence::Back);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction* forward =
        keys->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    forward->setShortcut(QKeySequence::Forward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    // F1 here, the guide's own window, opens its table of contents.
    QAction* contents =
        keys->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"));
    contents->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Home), QKeySequence::HelpContents});
    connect(contents, &QAction::triggered, this,
            [this] { showPage(QString::fromLatin1(guide::kContents)); });
    QAction* close = keys->addAction(tr("C&lose"));
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);

    connect(browser_, &QTextBrowser::sourceChanged, this, &GuideWindow::showTitle);
    const QSize room = screen() != nullptr ? screen()->availableSize() : QSize(1024, 768);
    resize(QSize(900, 760).boundedTo(room * 9 / 10));
}

void GuideWindow::showPage(const QString& page) {
    QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(page.section(u'#', 0, 0)));
    url.setFragment(page.section(u'#', 1), QUrl::DecodedMode);
    browser_->setSource(url);
    browser_->setFocus();
}

void GuideWindow::showTitle() {
    const QString title = tr("%1 - Boardsmith User's Guide").arg(browser_->pageTitle());
    setWindowTitle(title);
    // A screen reader names the frame by the page it shows.
    setAccessibleName(title);
}

void UserGuide::open(QWidget* from, const QString& page) {
    QWidget* owner = from != nullptr ? from->window() : nullptr;
    if (window_ == nullptr) {
        window_ = new GuideWindow(folder_, owner);
    } else if (window_->parentWidget() != owner) {
        // A new parent hides the window; it comes back where it was.
        const QRect where = window_->geometry();
        window_->setParent(owner, window_->windowFlags());
        window_->setGeometry(where);
    }
    window_->showPage(page);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace pw::gui
