// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: its names, its translations and its main dialog.
#include "gui/app/panelwright_app.h"

#include <QIcon>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include "core/common/languages.h"
#include "core/mapfile/map_listing.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/app/start_file.h"
#include "gui/common/dialog_environment.h"
#include "gui/common/qt_user_prompts.h"
#include "gui/guide/guide_window.h"

namespace pw::gui {

PanelwrightApp::PanelwrightApp(int& argc, char** argv) : QApplication(argc, argv) {
    // Before any window, so that every text is made in the user's language.
    installTranslations(*this);
    setOrganizationName(QStringLiteral("Panelwright"));
    setDesktopFileName(QStringLiteral("panelwright"));
    setWindowIcon(QIcon(QStringLiteral(":/art/panelwright.svg")));
}

int PanelwrightApp::initInstance(const std::optional<std::string>& file) {
    QSettings settings;
    QtUserPrompts prompts;
    UserGuide guide(installedGuideFolder());
    // The last composition is kept beside the user's own map sets; the panels' pictures
    // where the system keeps what can be made again.
    const DialogEnvironment environment{
        &prompts,
        &settings,
        mapSetRoots(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/panelwright"),
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
            QStringLiteral("/thumbnails"),
        {},
        [&guide](QWidget* from, const QString& page) { guide.open(from, page); }};
    PanelwrightDialog mainDialog(environment);
    // "panelwright FILE" opens a setup once the main dialog is up, or a viewer on a map
    // beside it.
    if (file) {
        QTimer::singleShot(0, &mainDialog, [&mainDialog, &environment, path = *file] {
            openStartFile(path, environment, mainDialog);
        });
    }
    mainDialog.exec();
    return 0;
}

}  // namespace pw::gui
