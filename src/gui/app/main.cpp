#include "gui/app/panelwright_app.h"

int main(int argc, char** argv) {
    pw::gui::CPanelwrightApp app(argc, argv);
    return app.InitInstance();
}
