#include "gui/app/panelwright_app.h"

int main(int argc, char** argv) {
    pw::gui::PanelwrightApp app(argc, argv);
    return app.initInstance();
}
