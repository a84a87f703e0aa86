// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's MIME type of map files, as the installed package file declares it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A .map file and whether the desktop takes it for one of ours.
struct MapFile {
    const char* name;
    QByteArray content;  // empty: the sample map `name`
    bool ours;
};

TEST(MapMimeType, OursByContentAndNotAnotherProgramsMapFile) {
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

    const std::vector<MapFile> files = {
        {"IF-01L.map", {}, true},
        {"EM-07.map", {}, true},
        {"joined.map", "3\n64 40 8944\n0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1\n0 4\n",
         true},
        {"firmware.map",
         "Archive member included to satisfy reference by file (symbol)\n\n"
         "Memory Configuration\n\nName             Origin             Length\n",
         false},
        {"arena.map", "// entity 0\n{\n\"classname\" \"worldspawn\"\n}\n", false},
        {"numbers.map", "1\n2 3 4\n5 6 7\n", false},
    };
    const QMimeDatabase database;
    for (const MapFile& file : files) {
        const QString path = dir.filePath(QString::fromLatin1(file.name));
        if (file.content.isEmpty()) {
            const QString sets = QStringLiteral(PANELWRIGHT_SAMPLES_DIR);
            const QString set =
                file.name[0] == 'I' ? QStringLiteral("/Irfmaps/") : QStringLiteral("/Embrmaps/");
            ASSERT_TRUE(QFile::copy(sets + set + QString::fromLatin1(file.name), path));
        } else {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(file.content);
        }
        const QString found = database.mimeTypeForFile(path).name();
        EXPECT_EQ(found == QStringLiteral("application/x-panelwright-map"), file.ours)
            << file.name << " is taken for " << found.toStdString();
    }
}

}  // namespace
