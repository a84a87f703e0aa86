#include "gui/app/panelwright_app.h"

#include <QIcon>
#include <QSettings>

#include "core/mapfile/map_listing.h"
#include "gui/app/panelwright_dlg.h"
#include "gui/composer/dialog_environment.h"
#include "gui/composer/qt_user_prompts.h"

namespace pw::gui {

CPanelwrightApp::CPanelwrightApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Panelwright"));
    setDesktopFileName(QStringLiteral("panelwright"));
    setWindowIcon(QIcon(QStringLiteral(":/art/panelwright.svg")));
}

int CPanelwrightApp::InitInstance() {
    QSettings settings;
    QtUserPrompts prompts;
    const DialogEnvironment environment{&prompts, &settings, mapSetRoots()};
    CPanelwrightDlg mainDialog(environment);
    mainDialog.exec();
    return 0;
}

}  // namespace pw::gui
