#include "gui_test_bed.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "core/mapfile/map_set.h"

namespace pw::gui::test {

void FakePrompts::noteCursor() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    waitCursorAtPrompt.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
}

void FakePrompts::showError(QWidget*, const QString& text) {
    noteCursor();
    errors.append(text);
}

void FakePrompts::showMessage(QWidget*, const QString& text) {
    noteCursor();
    messages.append(text);
}

std::optional<QString> FakePrompts::askSavePath(QWidget*, const QString& initialPath,
                                                const QString& startFolder) {
    noteCursor();
    askedInitialPaths.append(initialPath);
    askedStartFolders.append(startFolder);
    return saveAnswer;
}

GuiTestBed::GuiTestBed()
    : settings_(std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat)) {
    environment_.prompts = &prompts;
    environment_.settings = settings_.get();
    environment_.mapSetRoots = {dir_.path().toStdString()};
}

QString GuiTestBed::mapSetFolder(int mapSetIndex) const {
    return dir_.filePath(QString::fromStdString(MapSetFolderName(mapSetIndex)));
}

void GuiTestBed::addMapSetFolder(int mapSetIndex) {
    QDir().mkpath(mapSetFolder(mapSetIndex));
}

void GuiTestBed::addMap(int mapSetIndex, const QString& name, char cell) {
    const QByteArray row(2, cell);
    QByteArray map = "1\r\n2 2 1300\r\n0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1\r\n0 4\r\n";
    for (int grid = 0; grid < 2; ++grid) {
        map += row + "\r\n" + row + "\r\n";
    }
    map += "x\r\n";
    addFile(mapSetIndex, name, map);
}

void GuiTestBed::addFile(int mapSetIndex, const QString& name, const QByteArray& content) {
    addMapSetFolder(mapSetIndex);
    QFile file(QDir(mapSetFolder(mapSetIndex)).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void whileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        seen = true;
        inspect(*modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    });
    open();
    // A timer that found nothing to close must not fire later, inside another test.
    QCoreApplication::processEvents();
    EXPECT_TRUE(seen) << "no modal dialog was shown";
}

}  // namespace pw::gui::test
