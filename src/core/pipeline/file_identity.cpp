// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pipeline/file_identity.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pw {
namespace {

// Where a path that may not exist yet would be: its folder with links followed.
QString placeOf(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : QDir(folder).filePath(info.fileName());
}

}  // namespace

bool isSameFile(const std::string& first, const std::string& second) {
    if (first.empty() || second.empty()) {
        return false;
    }
    struct stat a {};
    struct stat b {};
    const QByteArray firstName = QFile::encodeName(QString::fromStdString(first));
    const QByteArray secondName = QFile::encodeName(QString::fromStdString(second));
    if (::stat(firstName.constData(), &a) == 0 && ::stat(secondName.constData(), &b) == 0) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    }
    return placeOf(QString::fromStdString(first)) == placeOf(QString::fromStdString(second));
}

}  // namespace pw
