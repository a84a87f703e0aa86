#include "gui_test_bed.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "core/mapfile/map_set.h"
#include "map_builder.h"
#include "test_files.h"

namespace pw::gui::test {

QString GuiTestBed::mapSetFolder(int mapSetIndex) const {
    return dir.filePath(QString::fromStdString(MapSetFolderName(mapSetIndex)));
}

void GuiTestBed::addFile(int mapSetIndex, const QString& name, const std::string& content) {
    QDir().mkpath(mapSetFolder(mapSetIndex));
    pw::test::writeFile(QDir(mapSetFolder(mapSetIndex)).filePath(name).toStdString(), content);
}

void GuiTestBed::addMap(int mapSetIndex, const QString& name, char cell, int length) {
    pw::test::MapBuilder map;
    map.fill = cell;
    map.length = length;
    addFile(mapSetIndex, name, map.text());
}

QComboBox& mapList(QWidget& dialog, int slot) {
    return control<QComboBox>(dialog, QStringLiteral("mapList%1").arg(slot));
}

void choose(QWidget& dialog, int slot, const QString& name) {
    QComboBox& list = mapList(dialog, slot);
    list.setCurrentIndex(list.findText(name));
    ASSERT_EQ(list.currentText(), name);
}

}  // namespace pw::gui::test

int main(int argc, char** argv) {
    // No window ever reaches a real screen, and nothing Qt stores reaches the user's files.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
