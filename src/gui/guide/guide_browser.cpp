// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's pages as Markdown with their pictures, each heading an anchor.
#include "gui/guide/guide_browser.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <cerrno>
#include <cstring>

#include "core/common/translated_text.h"
#include "core/system/regular_file.h"

namespace pw::gui {
namespace {

// The guide is a few hundred kilobytes; a file larger than this is no page or picture of it.
constexpr qint64 kLargestFile = 8 * 1024 * 1024;
// Wider pictures are shown smaller, so that a page never needs to be scrolled sideways.
constexpr int kWidestPicture = 800;

}  // namespace

GuideBrowser::GuideBrowser(QString folder, QWidget* parent)
    : QTextBrowser(parent), folder_(QDir::cleanPath(QDir(folder).absolutePath())) {
    setObjectName(QStringLiteral("guideBrowser"));
    // Links within the guide open here; a link to the web opens in the desktop's browser.
    setOpenExternalLinks(true);
    document()->setUndoRedoEnabled(false);
}

QString GuideBrowser::anchorOf(const QString& heading) {
    QString anchor;
    for (const QChar character : heading.toLower()) {
        if (character == u' ') {
            anchor += u'-';
        } else if (character.isLetterOrNumber() || character == u'-' || character == u'_') {
            anchor += character;
        }
    }
    return anchor;
}

QString GuideBrowser::pageTitle() const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) {
            return block.text();
        }
    }
    return {};
}

QByteArray GuideBrowser::readGuideFile(const QUrl& url, QString& failure) const {
    const QString path = QDir::cleanPath(url.toLocalFile());
    // Only the guide's own files: a link cannot make the window read anything else.
    if (!url.isLocalFile() || !path.startsWith(folder_ + u'/')) {
        failure = QString::fromStdString(std::strerror(ENOENT));
        return {};
    }
    const OpenedFile opened = openRegularFile(QFile::encodeName(path).toStdString());
    if (!opened.file) {
        failure = QString::fromStdString(opened.reason);
        return {};
    }
    QByteArray bytes = opened.file->read(kLargestFile + 1);
    if (opened.file->error() != QFileDevice::NoError) {
        failure = opened.file->errorString();
        return {};
    }
    if (bytes.size() > kLargestFile) {
        failure = QString::fromStdString(std::strerror(EFBIG));
        return {};
    }
    return bytes;
}

QVariant GuideBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    QString failure;
    const QByteArray bytes = readGuideFile(url, failure);
    if (type == QTextDocument::ImageResource) {
        QImage picture = QImage::fromData(bytes);
        if (picture.width() > kWidestPicture) {
            picture = picture.scaledToWidth(kWidestPicture, Qt::SmoothTransformation);
        }
        return picture.isNull() ? QVariant() : QVariant(picture);
    }
    if (!failure.isEmpty()) {
        // In the page's place, why there is none: the guide may not be installed.
        const std::string shown = QFile::encodeName(url.toLocalFile()).toStdString();
        return QString::fromStdString(
            filled(tr("# No such page\n\nThe user's guide cannot show %1: %2."),
                   {shown, failure.toStdString()}));
    }
    return QString::fromUtf8(bytes);
}

void GuideBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    QTextBrowser::doSetSource(name, type);
    nameHeadings();
    if (name.hasFragment()) {
        scrollToAnchor(name.fragment());
    }
}

void GuideBrowser::nameHeadings() {
    QStringList given;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text().isEmpty()) {
            continue;
        }
        const QString anchor = anchorOf(block.text());
        const qsizetype before = given.count(anchor);
        given.append(anchor);
        QTextCharFormat named;
        named.setAnchor(true);
        named.setAnchorNames({before == 0 ? anchor : anchor + u'-' + QString::number(before)});
        QTextCursor heading(block);
        heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        heading.mergeCharFormat(named);
    }
}

}  // namespace pw::gui
