// SPDX-License-Identifier: GPL-3.0-or-later
// The user's guide in a window of its own, and the one such window of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

namespace pw::gui {

class GuideBrowser;

// The guide's folder as installed beside the programs (`bin/../share/panelwright/guide`), in
// a build tree as once installed.
QString installedGuideFolder();

// The user's guide: a page at a time, with Back, Forward and Contents, read offline from
// the installed guide. A frame named after the page it shows.
class GuideWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit GuideWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows `page`, a file of the guide with perhaps an anchor ("composing.md#composite").
    void showPage(const QString& page);
    GuideBrowser& browser() const { return *browser_; }

  private:
    void showTitle();

    QString folder_;
    GuideBrowser* browser_;
};

// The program's one guide window, opened on the page asked for. It belongs to the window
// that asked, so that it stays usable beside a dialog that holds the rest of the program
// until it closes; asked from another window, it moves there.
class UserGuide {
  public:
    explicit UserGuide(QString folder) : folder_(std::move(folder)) {}

    void open(QWidget* from, const QString& page);
    GuideWindow* window() const { return window_; }

  private:
    QString folder_;
    QPointer<GuideWindow> window_;
};

}  // namespace pw::gui
