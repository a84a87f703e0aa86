// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's MIME type of map files, as the installed package file declares it, as Qt
// and GIO read it, and the program's own reading of the same files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/mapfile/map_header.h"

namespace {

constexpr char kValueList[] = "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1";

// A file, whether the desktop takes it for one of our maps, and whether the program opens
// it as a map (in the viewer) rather than as a setup.
struct TypedFile {
    const char* name;
    QByteArray content;  // empty: the sample map IF-01L.map
    bool ours;
    bool opensAsMap;
};

QByteArray around(const char* before, const char* after) {
    return QByteArray(before) + kValueList + after;
}

// GIO's type of `path` (what file managers go by), or nothing where gio is missing.
QString gioTypeOf(const QString& gio, const QString& path) {
    if (gio.isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(gio, {QStringLiteral("info"), QStringLiteral("-a"),
                        QStringLiteral("standard::content-type"), path});
    process.waitForFinished();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    return out.section(QStringLiteral("standard::content-type: "), 1).trimmed();
}

TEST(MapMimeType, OursByContentAndOpenedAsAMap) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty()) {
        GTEST_SKIP() << "skipped: update-mime-database (shared-mime-info) is not installed";
    }
    const QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("mime/packages")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PANELWRIGHT_MIME_FILE),
                            dir.filePath(QStringLiteral("mime/packages/panelwright.xml"))));
    ASSERT_EQ(QProcess::execute(tool, {dir.filePath(QStringLiteral("mime"))}), 0);
    // As installed for the user; before the first look-up, which reads the folders once.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dir.path()) + ":/usr/local/share:/usr/share");
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));

    const std::vector<TypedFile> files = {
        {"IF-01L.map", {}, true, true},
        {"joined", {}, true, true},
        {"joined.map", around("3\n64 40 8944\n", "\n0 4\n"), true, true},
        {"crlf.map", around("2\r\n32 20 3037\r\n", "\r\n0 4\r\n"), true, true},
        {"numbers.map", "1\n2 3 4\n5 6 7\n", false, true},
        {"firmware.map",
         "Archive member included to satisfy reference by file (symbol)\n\n"
         "Memory Configuration\n\nName             Origin             Length\n",
         false, false},
        {"arena.map", "// entity 0\n{\n\"classname\" \"worldspawn\"\n}\n", false, false},
        {"board.pwsetup", around("{\n\"rows\": [\n", "\n]}\n"), false, false},
        {"board.map", around("{\n\"rows\": [\n", "\n]}\n"), false, false},
        {"page.html", around("<p>\n", "\n</p>\n"), false, false},
        {"page", around("<p>\n", "\n</p>\n"), false, false},
        {"data.json", around("[\n", "\n]\n"), false, false},
        {"tool.py", around("#!/usr/bin/python3\nrows = '''\n", "\n'''\n"), false, false},
        {"tool", around("#!/usr/bin/python3\nrows = '''\n", "\n'''\n"), false, false},
    };
    const QMimeDatabase database;
    const QString ours = QStringLiteral("application/x-panelwright-map");
    for (const TypedFile& file : files) {
        const QString path = dir.filePath(QString::fromLatin1(file.name));
        if (file.content.isEmpty()) {
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(PANELWRIGHT_SAMPLES_DIR "/Irfmaps/IF-01L.map"), path));
        } else {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(file.content);
        }
        const QString found = database.mimeTypeForFile(path).name();
        EXPECT_EQ(found == ours, file.ours) << file.name << " is taken for " << found.toStdString();
        if (const QString byGio = gioTypeOf(gio, path); !byGio.isEmpty()) {
            EXPECT_EQ(byGio == ours, file.ours)
                << file.name << " is taken by GIO for " << byGio.toStdString();
        }
        EXPECT_EQ(pw::beginsAsMap(QFile::encodeName(path).toStdString()), file.opensAsMap)
            << file.name;
    }
}

}  // namespace
