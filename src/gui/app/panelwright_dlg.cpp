#include "gui/app/panelwright_dlg.h"

#include <QAction>
#include <QButtonGroup>
#include <QLayout>
#include <QMenuBar>
#include <array>

#include "gui/app/about_dlg.h"
#include "gui/assembly/composite_dlg.h"
#include "gui/assembly/end_to_end_dlg.h"
#include "gui/composer/top_to_bottom_dlg.h"
#include "gui/composer/user_prompts.h"
#include "ui_panelwright_dlg.h"

namespace pw::gui {
namespace {

// The map count each configuration allows; choosing a configuration starts at its lowest.
struct CountRange {
    int lowest;
    int highest;
};

constexpr std::array<CountRange, 3> kCountRanges = {{
    {2, 4},  // Top-to-Bottom
    {2, 3},  // End-to-End
    {4, 8},  // Composite, in steps of two
}};

constexpr int kComposite = 2;

}  // namespace

CPanelwrightDlg::CPanelwrightDlg(const DialogEnvironment& environment, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PanelwrightDlg>()), environment_(environment) {
    ui_->setupUi(this);
    ui_->configurationPicture->load(QStringLiteral(":/art/configurations.svg"));

    auto* configurations = new QButtonGroup(this);
    configurations->addButton(ui_->topToBottomRadio, 0);
    configurations->addButton(ui_->endToEndRadio, 1);
    configurations->addButton(ui_->compositeRadio, 2);
    connect(configurations, &QButtonGroup::idClicked, this, &CPanelwrightDlg::OnConfiguration);

    auto* mapSets = new QButtonGroup(this);
    mapSets->addButton(ui_->ironfallRadio, 0);
    mapSets->addButton(ui_->emberlineRadio, 1);
    connect(mapSets, &QButtonGroup::idClicked, this, &CPanelwrightDlg::OnMapSet);

    ui_->countSpin->setStepFilter([this](int step) { return OnDeltaPosCount(step); });
    connect(ui_->selectMapFilesButton, &QPushButton::clicked, this,
            &CPanelwrightDlg::OnSelectMapFiles);
    connect(ui_->exitButton, &QPushButton::clicked, this, &QDialog::accept);

    addAboutCommands();
    OnInitDialog();
}

CPanelwrightDlg::~CPanelwrightDlg() = default;

void CPanelwrightDlg::OnInitDialog() {
    mapSetIndex_ = 0;
    ui_->ironfallRadio->setChecked(true);
    OnConfiguration(0);
}

void CPanelwrightDlg::OnConfiguration(int configurationIndex) {
    configurationIndex_ = configurationIndex;
    const CountRange& range = kCountRanges.at(static_cast<std::size_t>(configurationIndex));
    // Every configuration click starts over, even on the configuration already chosen.
    ui_->countSpin->setRange(range.lowest, range.highest);
    ui_->countSpin->setValue(range.lowest);
    const std::array<QAbstractButton*, 3> radios = {ui_->topToBottomRadio, ui_->endToEndRadio,
                                                    ui_->compositeRadio};
    radios.at(static_cast<std::size_t>(configurationIndex))->setChecked(true);
}

void CPanelwrightDlg::OnMapSet(int mapSetIndex) {
    mapSetIndex_ = mapSetIndex;
}

bool CPanelwrightDlg::OnDeltaPosCount(int step) {
    CountSpin& spin = *ui_->countSpin;
    const int position = spin.value();
    if ((step > 0 && position + 1 > spin.maximum()) ||
        (step < 0 && position - 1 < spin.minimum())) {
        environment_.prompts->beep();
        return false;
    }
    // Composite counts pairs of maps: move one step here and let the spin take the other.
    if (configurationIndex_ == kComposite) {
        spin.setValue(position + step);
    }
    return true;
}

void CPanelwrightDlg::OnSelectMapFiles() {
    const int count = ui_->countSpin->value();
    switch (configurationIndex_) {
        case 0: {
            CTopToBottomDlg composer(count, mapSetIndex_, environment_, this);
            composer.exec();
            break;
        }
        case 1: {
            CEndToEndDlg composer(count, mapSetIndex_, environment_, this);
            composer.exec();
            break;
        }
        case kComposite: {
            CCompositeDlg composer(count / 2, mapSetIndex_, environment_, this);
            composer.exec();
            break;
        }
        default:
            break;
    }
}

void CPanelwrightDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CPanelwrightDlg::addAboutCommands() {
    auto* menuBar = new QMenuBar(this);
    QAction* about = menuBar->addMenu(tr("About"))->addAction(tr("About"));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &CPanelwrightDlg::OnAbout);
    layout()->setMenuBar(menuBar);

    // The window menu cannot take items here, so the dialog's own context menu offers
    // the About box where the window menu would.
    auto* aboutPanelwright = new QAction(tr("&About Panelwright..."), this);
    aboutPanelwright->setObjectName(QStringLiteral("aboutPanelwrightAction"));
    connect(aboutPanelwright, &QAction::triggered, this, &CPanelwrightDlg::OnAbout);
    addAction(aboutPanelwright);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace pw::gui
