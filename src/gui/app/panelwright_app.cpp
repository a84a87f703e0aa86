#include "gui/app/panelwright_app.h"

#include <QIcon>
#include <QSettings>

#include "core/mapfile/map_listing.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/common/dialog_environment.h"
#include "gui/common/qt_user_prompts.h"

namespace pw::gui {

PanelwrightApp::PanelwrightApp(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Panelwright"));
    setDesktopFileName(QStringLiteral("panelwright"));
    setWindowIcon(QIcon(QStringLiteral(":/art/panelwright.svg")));
}

int PanelwrightApp::initInstance() {
    QSettings settings;
    QtUserPrompts prompts;
    const DialogEnvironment environment{&prompts, &settings, mapSetRoots()};
    PanelwrightDialog mainDialog(environment);
    mainDialog.exec();
    return 0;
}

}  // namespace pw::gui
