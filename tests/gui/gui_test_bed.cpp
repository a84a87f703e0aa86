// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_test_bed.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QThread>

#include "core/mapfile/map_set.h"
#include "gui/composer/map_list_model.h"
#include "test_support.h"

namespace pw::gui::test {

QString GuiTestBed::mapSetFolder(MapSet mapSet) const {
    return dir.filePath(QString::fromStdString(mapSetFolderName(mapSet)));
}

void GuiTestBed::addFile(MapSet mapSet, const QString& name, const std::string& content) {
    QDir().mkpath(mapSetFolder(mapSet));
    pw::test::writeFile(QDir(mapSetFolder(mapSet)).filePath(name).toStdString(), content);
}

QComboBox& mapList(QWidget& dialog, int slot) {
    return control<QComboBox>(dialog, QStringLiteral("mapList%1").arg(slot));
}

void choose(QWidget& dialog, int slot, const QString& name) {
    QComboBox& list = mapList(dialog, slot);
    list.setCurrentIndex(list.findText(name));
    ASSERT_EQ(list.currentText(), name);
}

bool waitUntil(const std::function<bool()>& done) {
    for (int wait = 0; wait < 1000 && !done(); ++wait) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    return done();
}

bool waitForPictures(QWidget& dialog) {
    const auto* names = dynamic_cast<const MapListModel*>(mapList(dialog, 1).model());
    return names != nullptr && waitUntil([names] { return names->picturesDone(); });
}

QRgb middleOf(const QPixmap& picture) {
    const QImage image = picture.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

}  // namespace pw::gui::test

int main(int argc, char** argv) {
    // No window ever reaches a real screen, and nothing Qt stores reaches the user's files.
    // The offscreen platform, with a screen of its options if given one (scaled_screen.json).
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QStringLiteral("offscreen"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
