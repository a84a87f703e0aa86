// SPDX-License-Identifier: GPL-3.0-or-later
// A page of the user's guide: its Markdown and pictures, read from the installed guide.
#pragma once

#include <QString>
#include <QTextBrowser>

namespace pw::gui {

// Shows the guide's Markdown pages with their pictures, read only from the guide's own
// folder and only through the program's one reader of files. Each heading is an anchor
// named as a forge names it ("Seam check" is "#seam-check"), so that a link into a page
// lands on its section in the program as it does on the forge. A page that cannot be read
// says why in its place. Tab steps through the links; Enter follows one.
class GuideBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    // `folder` holds the guide's pages (its pictures in folders below it).
    explicit GuideBrowser(QString folder, QWidget* parent = nullptr);

    // A heading's anchor as a forge makes it: lower case, each blank a hyphen, letters,
    // digits, hyphens and underscores kept, the rest left out.
    static QString anchorOf(const QString& heading);
    // The page's first heading, its title; empty before a page is shown.
    QString pageTitle() const;

    QVariant loadResource(int type, const QUrl& name) override;

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

  private:
    // Names each heading of the page shown by its anchor; "-1", "-2" tell repeated ones apart.
    void nameHeadings();
    // The bytes of a file of the guide, or why there are none.
    QByteArray readGuideFile(const QUrl& url, QString& failure) const;

    QString folder_;
};

}  // namespace pw::gui
