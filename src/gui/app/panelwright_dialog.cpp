// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog: its choices, its menus and the composer it opens.
#include "gui/app/panelwright_dialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QFile>
#include <QLayout>
#include <QMenuBar>
#include <array>

#include "core/assembly/layout.h"
#include "core/mapfile/map_set.h"
#include "gui/app/about_dialog.h"
#include "gui/common/accessible_list.h"
#include "gui/common/context_menu_key.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/guide_key.h"
#include "gui/common/guide_pages.h"
#include "gui/common/user_prompts.h"
#include "gui/composer/composer_dialog.h"
#include "ui_panelwright_dialog.h"

namespace pw::gui {
namespace {

// The picture of the three layouts with its captions in the language shown: each layout's
// name and the most panels it takes.
QByteArray configurationsPicture() {
    QFile file(QStringLiteral(":/art/configurations.svg"));
    QByteArray picture = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::array<const char*, 3> captions = {"Top-to-Bottom", "End-to-End", "Composite"};
    const std::array<Layout, 3> layouts = {Layout::TopToBottom, Layout::EndToEnd,
                                           Layout::Composite};
    for (std::size_t at = 0; at < captions.size(); ++at) {
        const char* english = captions[at];
        const QString shown = PanelwrightDialog::layoutCaption(layouts[at]);
        const QString most = QString::number(countRange(layouts[at]).last);
        picture.replace(">" + QByteArray(english) + "<",
                        ">" + shown.toHtmlEscaped().toUtf8() + "<");
        picture.replace("(maximum " + most.toUtf8() + ")",
                        PanelwrightDialog::tr("(maximum %1)").arg(most).toHtmlEscaped().toUtf8());
    }
    return picture;
}

}  // namespace

PanelwrightDialog::PanelwrightDialog(const DialogEnvironment& environment, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PanelwrightDialog>()), environment_(environment) {
    ui_->setupUi(this);
    // The main window: a title bar with minimise and close, fixed like its template.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ui_->configurationPicture->load(configurationsPicture());
    // Alt+I and Alt+B: the E of Emberline is End-to-End's.
    ui_->ironfallRadio->setText(
        QString::fromLatin1(mapSetInfo(MapSet::Ironfall)->name).insert(0, u'&'));
    ui_->emberlineRadio->setText(
        QString::fromLatin1(mapSetInfo(MapSet::Emberline)->name).insert(2, u'&'));
    nameListsByPurpose();
    openContextMenusByShiftF10();

    // The buttons' ids are the layouts' and map sets' values.
    auto* configurations = new QButtonGroup(this);
    for (const Layout layout : {Layout::TopToBottom, Layout::EndToEnd, Layout::Composite}) {
        configurations->addButton(layoutRadio(layout), static_cast<int>(layout));
    }
    connect(configurations, &QButtonGroup::idClicked, this,
            [this](int id) { onConfiguration(static_cast<Layout>(id)); });

    auto* mapSets = new QButtonGroup(this);
    mapSets->addButton(ui_->ironfallRadio, static_cast<int>(MapSet::Ironfall));
    mapSets->addButton(ui_->emberlineRadio, static_cast<int>(MapSet::Emberline));
    connect(mapSets, &QButtonGroup::idClicked, this,
            [this](int id) { mapSet_ = static_cast<MapSet>(id); });
    // A screen reader toggles a radio button where a mouse clicks it: the same choice.
    connect(configurations, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) {
            onConfiguration(static_cast<Layout>(id));
        }
    });
    connect(mapSets, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) {
            mapSet_ = static_cast<MapSet>(id);
        }
    });

    ui_->countSpin->setStepFilter([this](int step) { return onDeltaPosCount(step); });
    connect(ui_->selectMapFilesButton, &QPushButton::clicked, this,
            &PanelwrightDialog::onSelectMapFiles);
    connect(ui_->exitButton, &QPushButton::clicked, this, &QDialog::accept);

    addAboutCommands();
    onInitDialog();
}

PanelwrightDialog::~PanelwrightDialog() = default;

QString PanelwrightDialog::layoutCaption(Layout layout) {
    switch (layout) {
        case Layout::TopToBottom:
            return tr("Top-to-Bottom");
        case Layout::EndToEnd:
            return tr("End-to-End");
        case Layout::Composite:
            return tr("Composite");
    }
    return {};
}

void PanelwrightDialog::onInitDialog() {
    mapSet_ = MapSet::Ironfall;
    ui_->ironfallRadio->setChecked(true);
    onConfiguration(Layout::TopToBottom);
}

QAbstractButton* PanelwrightDialog::layoutRadio(Layout layout) const {
    const std::array<QAbstractButton*, 3> radios = {ui_->topToBottomRadio, ui_->endToEndRadio,
                                                    ui_->compositeRadio};
    return radios.at(static_cast<std::size_t>(layout));
}

void PanelwrightDialog::onConfiguration(Layout layout) {
    layout_ = layout;
    const CountRange range = countRange(layout);
    // Every configuration click starts over, even on the configuration already chosen.
    ui_->countSpin->setRange(range.first, range.last);
    ui_->countSpin->setCountStep(range.step);
    ui_->countSpin->setAccessibleDescription(
        QString::fromStdString(DialogTexts::countDescription(range)));
    ui_->countSpin->setValue(range.first);
    layoutRadio(layout)->setChecked(true);
}

bool PanelwrightDialog::onDeltaPosCount(int step) {
    CountSpin& spin = *ui_->countSpin;
    const int position = spin.value();
    if ((step > 0 && position + 1 > spin.maximum()) ||
        (step < 0 && position - 1 < spin.minimum())) {
        environment_.prompts->beep();
        return false;
    }
    // Composite counts pairs of maps: move the extra way here and let the spin take the
    // last single step.
    const int extra = countRange(layout_).step - 1;
    if (extra > 0) {
        spin.setValue(position + step * extra);
    }
    return true;
}

void PanelwrightDialog::onSelectMapFiles() {
    // The composer's result changes nothing here: the choices stay as they are.
    if (std::unique_ptr<ComposerDialog> composer = composerForChoices()) {
        runComposer(std::move(composer));
    }
}

std::unique_ptr<ComposerDialog> PanelwrightDialog::composerForChoices() {
    const int count = ui_->countSpin->value();
    // Composite counts its rows of two maps.
    return std::make_unique<ComposerDialog>(layout_, handedCount(layout_, count), mapSet_,
                                            environment_, this);
}

void PanelwrightDialog::onAbout() {
    AboutDialog about(this);
    offerGuideAsOwnerDoes(about, QString::fromLatin1(guide::kContents));
    about.exec();
}

void PanelwrightDialog::addAboutCommands() {
    auto* menuBar = new QMenuBar(this);
    // Alt+A opens the menu and A picks its item: About from the keyboard.
    addSetupCommands(*menuBar);
    QAction* about = menuBar->addMenu(tr("&About"))->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &PanelwrightDialog::onAbout);
    offerGuide(*this, environment_, QString::fromLatin1(guide::kMainDialog),
               menuBar->addMenu(DialogTexts::helpMenu()));
    layout()->setMenuBar(menuBar);

    // The window menu cannot take items here, so the dialog's own context menu offers
    // the About box where the window menu would.
    auto* aboutPanelwright = new QAction(tr("&About Panelwright..."), this);
    aboutPanelwright->setObjectName(QStringLiteral("aboutPanelwrightAction"));
    connect(aboutPanelwright, &QAction::triggered, this, &PanelwrightDialog::onAbout);
    addAction(aboutPanelwright);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace pw::gui
