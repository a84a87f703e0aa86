// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/composer/composer_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QSvgWidget>
#include <QVBoxLayout>
#include <array>

#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_set.h"
#include "core/pipeline/save_pipeline.h"
#include "gui/common/dialog_pipeline_host.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/override_cursor.h"
#include "gui/common/saved_file_name.h"
#include "gui/common/user_prompts.h"
#include "gui/composer/kept_marks.h"
#include "gui/composer/label_font.h"
#include "gui/composer/legend_loader.h"
#include "gui/composer/map_list_model.h"
#include "gui/composer/picture_popup.h"
#include "gui/composer/preview_splitter.h"
#include "gui/composer/setup_composition.h"
#include "gui/composer/slots_area.h"
#include "gui/preview/preview_pane.h"
#include "ui_composite_dialog.h"
#include "ui_end_to_end_dialog.h"
#include "ui_top_to_bottom_dialog.h"

namespace pw::gui {
namespace {

// Whether the preview is shown, remembered from one dialog to the next.
const QString kPreviewShownKey = QStringLiteral("Preview/Shown");

// A slot's drop-down shows this many names before it scrolls.
constexpr int kVisibleMapNames = 20;

QString directionText(int direction) {
    const std::string_view name = kDirectionNames.at(static_cast<std::size_t>(direction));
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The map-set pictures, by map set index: Ironfall, Emberline.
constexpr std::array<const char*, kMapSetCount> kMapSetPictures = {":/art/ironfall.svg",
                                                                   ":/art/emberline.svg"};

void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

ComposerDialog::ComposerDialog(Layout layout, int mapCount, int mapSetIndex,
                               const DialogEnvironment& environment, QWidget* parent)
    : QDialog(parent),
      layout_(layout),
      mapCount_(mapCount),
      slotsInUse_(mapCountOf(layout, mapCount)),
      mapSetIndex_(mapSetIndex),
      environment_(environment) {
    setUpTemplate();
    attachWidgets();
}

ComposerDialog::~ComposerDialog() = default;

void ComposerDialog::setUpTemplate() {
    // The templates only lay the controls out; the frame finds them by their shared names,
    // so the generated classes are not kept.
    switch (layout_) {
        case Layout::TopToBottom:
            Ui::TopToBottomDialog().setupUi(this);
            break;
        case Layout::EndToEnd:
            Ui::EndToEndDialog().setupUi(this);
            break;
        case Layout::Composite:
            Ui::CompositeDialog().setupUi(this);
            break;
    }
    // Each template holds a slot for every map its layout can take.
    widgets_ = findComposerWidgets(*this, countRange(layout_).last);
}

void ComposerDialog::attachWidgets() {
    composition_.slots.assign(widgets_.slots.size(), SlotState{});
    addPreview();
    // Made after the body that holds the lists, so that it outlives the lists that show it.
    mapNames_ = new MapListModel(this);
    // Fixed like a dialog template until it is shown (see applyPreviewShown()).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        const SlotWidgets& slot = widgets_.slots[i];
        // Unused slots leave their place in the diagram empty, as on paper.
        for (QWidget* part :
             {static_cast<QWidget*>(slot.mapList), slot.arrow, slot.panel,
              static_cast<QWidget*>(slot.leftLabel), static_cast<QWidget*>(slot.rightLabel)}) {
            keepPlaceWhenHidden(part);
        }
        // The panels are white paper in the map diagram, whatever the colour scheme.
        QPalette paper = slot.panel->palette();
        paper.setColor(QPalette::Window, Qt::white);
        paper.setColor(QPalette::WindowText, Qt::black);
        slot.panel->setPalette(paper);
        slot.leftLabel->hide();
        slot.rightLabel->hide();
        // Centred in the panel between the number labels, and never widening it.
        auto* kept = new QLabel(slot.panel);
        kept->setObjectName(QStringLiteral("keptMark%1").arg(i + 1));
        kept->setAlignment(Qt::AlignCenter);
        kept->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        kept->setStyleSheet(QStringLiteral("color: #a04000; font-style: italic;"));
        kept->hide();
        if (auto* row = qobject_cast<QBoxLayout*>(slot.panel->layout())) {
            row->insertWidget(2, kept, 1);
            row->insertStretch(3);
        }
        keptMarks_.push_back(kept);
        if (i >= static_cast<std::size_t>(countRange(layout_).first)) {
            slot.mapList->hide();
            slot.arrow->hide();
            slot.panel->hide();
        }
        // A list, not a menu, so that the drop-down scrolls after kVisibleMapNames names
        // whatever the style would do.
        slot.mapList->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
        slot.mapList->setMaxVisibleItems(kVisibleMapNames);
        // The style turns the list's scroll bar off; a longer list must show there is more.
        slot.mapList->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // The closed drop-down keeps its small mark; the open list shows the pictures.
        slot.mapList->setIconSize(MapListModel::kIconSize);
        slot.mapList->view()->setIconSize(MapListModel::kPictureSize);
        new PicturePopup(*slot.mapList);
        connect(slot.mapList, &QComboBox::currentIndexChanged, this,
                [this, i] { onSlotSelChange(static_cast<int>(i)); });
    }
    connect(widgets_.directionButton, &QAbstractButton::clicked, this,
            &ComposerDialog::onDirectionButton);
    connect(widgets_.saveButton, &QAbstractButton::clicked, this, &ComposerDialog::onSaveMap);
    connect(widgets_.cancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
    addUndo();
    describeControls();
    addKeys();
}

void ComposerDialog::addPreview() {
    // The template's layout moves into a body of its own, and the preview goes beside it.
    auto* body = new QWidget;
    body->setLayout(layout());
    slotsArea_ = new SlotsArea(body, this);
    slotsArea_->setObjectName(QStringLiteral("slotsArea"));
    // Slots that grow once their lists are filled keep their room beside the preview.
    slotsArea_->whenResized([this] {
        if (opened_ && previewToggle_->isChecked()) {
            placeSplit();
        }
    });
    previewToggle_ = new QCheckBox(DialogTexts::previewToggle(), this);
    previewToggle_->setObjectName(QStringLiteral("previewToggle"));
    preview_ = new PreviewPane(*environment_.prompts, this);
    preview_->setObjectName(QStringLiteral("previewPane"));
    preview_->setImageNameSource([this] { return savedFileName(*environment_.settings); });
    preview_->keepSeamCheckIn(*environment_.settings);
    auto* previewColumn = new QVBoxLayout;
    const int margin = style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    previewColumn->setContentsMargins(0, margin, margin, margin);
    commandRow_ = new QHBoxLayout;
    commandRow_->addWidget(previewToggle_);
    commandRow_->addStretch(1);
    addSetupCommands(*commandRow_);
    // Each at its own width, also when they are stacked (stackPreviewControls()).
    for (int i = 0; i < commandRow_->count(); ++i) {
        if (QWidget* control = commandRow_->itemAt(i)->widget()) {
            commandRow_->setAlignment(control, Qt::AlignLeft);
        }
    }
    commandRow_->setContentsMargins(0, 0, 0, 0);
    commandBar_ = new QWidget;
    commandBar_->setLayout(commandRow_);
    previewColumn->addWidget(commandBar_);
    previewColumn->addWidget(preview_, 1);
    previewColumn_ = previewColumn;
    auto* previewSide = new QWidget;
    previewSide->setLayout(previewColumn);
    // Under the slots: the preview's controls, where the preview has little width.
    auto* slotsSide = new QWidget;
    auto* slotsColumn = new QVBoxLayout(slotsSide);
    slotsColumn->setContentsMargins(0, 0, 0, 0);
    slotsColumn->addWidget(slotsArea_);
    underSlots_ = new QVBoxLayout;
    slotsColumn->addLayout(underSlots_);
    slotsColumn->addStretch(1);
    // The slots and the preview share the room at a handle the user can move; the preview
    // takes what the window gains.
    split_ = new PreviewSplitter(this);
    split_->setObjectName(QStringLiteral("previewSplitter"));
    split_->setChildrenCollapsible(false);
    split_->addWidget(slotsSide);
    split_->addWidget(previewSide);
    split_->setStretchFactor(0, 0);
    split_->setStretchFactor(1, 1);
    connect(split_, &QSplitter::splitterMoved, this, &ComposerDialog::rememberSplit);
    auto* frame = new QHBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(split_);

    const bool shown = environment_.settings->value(kPreviewShownKey, true).toBool();
    previewToggle_->setChecked(shown);
    preview_->setVisible(shown);
    connect(previewToggle_, &QCheckBox::toggled, this, [this](bool on) {
        environment_.settings->setValue(kPreviewShownKey, on);
        applyPreviewShown(on);
        updatePreview();
    });
}

void ComposerDialog::hideEvent(QHideEvent* event) {
    if (opened_ && previewToggle_->isChecked()) {
        rememberSize();
    }
    QDialog::hideEvent(event);
}

void ComposerDialog::updatePreview() {
    if (opened_ && previewToggle_->isChecked()) {
        preview_->showRequest(request());
    }
}

void ComposerDialog::showEvent(QShowEvent* event) {
    if (!opened_) {
        opened_ = true;
        onInitDialog();
        applyPreviewShown(previewToggle_->isChecked());
    }
    QDialog::showEvent(event);
}

void ComposerDialog::onInitDialog() {
    if (const MapSetInfo* mapSet = mapSetInfo(mapSetIndex_)) {
        setWindowTitle(QString::fromLatin1(mapSet->dialogTitle));
        widgets_.mapSetPicture->load(
            QString::fromLatin1(kMapSetPictures.at(static_cast<std::size_t>(mapSetIndex_))));
    }
    const QFont font = labelFont(logicalDpiY());
    for (const SlotWidgets& slot : widgets_.slots) {
        slot.leftLabel->setFont(font);
        slot.rightLabel->setFont(font);
    }
    widgets_.directionLabel->setFont(font);
    widgets_.directionButton->setIcon(QIcon(QStringLiteral(":/art/direction_arrow.svg")));

    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        if (!inUse(i)) {
            continue;
        }
        const SlotWidgets& slot = widgets_.slots[i];
        slot.panel->show();
        slot.arrow->show();
        slot.mapList->show();
        listMapFiles(*slot.mapList);
    }
    pushTexts();
    // A setup handed over before the dialog opened is where it starts, not a step to undo.
    if (pendingSetup_) {
        applyComposition(compositionOfSetup(*pendingSetup_, environment_.mapSetRoots, *mapNames_,
                                            consultsMarks(layout_)));
        pendingSetup_.reset();
    }
    updatePreview();
}

void ComposerDialog::onSlotSelChange(int slot) {
    const QComboBox& list = *widgets_.slots.at(static_cast<std::size_t>(slot)).mapList;
    Composition next = composition_;
    // End-to-End joins no junction by marks, so its slots keep none.
    SlotState& state = next.slots[static_cast<std::size_t>(slot)];
    state = chooseMap(state, list.currentIndex(), mapNames_->fileName(list.currentIndex()),
                      consultsMarks(layout_));
    change(std::move(next));
}

void ComposerDialog::showKeptMarks() {
    std::vector<SlotMark> marks;
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        const SlotState& state = composition_.slots[i];
        const QString chosen = widgets_.slots[i].mapList->currentText();
        // A slot joins with a mark its chosen name does not show: one an earlier name
        // gave it, or a setup.
        const bool kept = inUse(i) && state.row >= 0 && state.mark != ' ' &&
                          parseMapFileName(chosen.toStdString()).mark != state.mark;
        const SlotMark mark{state.mark, kept ? state.markFrom : QString()};
        keptMarks_[i]->setText(keptMarkText(mark));
        keptMarks_[i]->setToolTip(keptMarkToolTip(mark, chosen));
        keptMarks_[i]->setVisible(kept);
        // What the number labels and "R (kept)" show, told to a screen reader too.
        std::string description = DialogTexts::slotListDescription(static_cast<int>(i) + 1);
        if (state.mark != ' ' && state.row >= 0) {
            description += DialogTexts::slotJoinsWith(state.mark);
        }
        widgets_.slots[i].mapList->setAccessibleDescription(
            QString::fromStdString(description) +
            (kept ? QLatin1Char('\n') + keptMarks_[i]->toolTip() : QString()));
        if (inUse(i)) {
            marks.push_back(mark);
        }
    }
    if (const std::optional<LayoutShape> shape = shapeFor(layout_, slotsInUse_)) {
        KeptMarkReport report = describeKeptMarks(*shape, marks);
        preview_->setKeptMarks(report.note, std::move(report.junctions));
    }
}

void ComposerDialog::onDirectionButton() {
    Composition next = composition_;
    // Shift turns it back (see addKeys()); a click without input events turns it on.
    const int turns = static_cast<int>(kDirectionNames.size());
    next.direction = (next.direction + (turnBack_ ? turns - 1 : 1)) % turns;
    turnBack_ = false;
    change(std::move(next));
}

QString ComposerDialog::offeredSaveFolder() const {
    // Installed, the bundled map sets are read-only: the user's own folder of the set takes
    // their place, made once it is offered. With a name remembered, Save As opens there.
    if (saveFolder_.isEmpty() || !savedFileName(*environment_.settings).isEmpty() ||
        (environment_.folderWritable ? environment_.folderWritable(saveFolder_)
                                     : QFileInfo(saveFolder_).isWritable())) {
        return saveFolder_;
    }
    const QString own = QDir(environment_.dataFolder)
                            .filePath(QString::fromStdString(mapSetFolderName(mapSetIndex_)));
    return QDir().mkpath(own) ? own : saveFolder_;
}

void ComposerDialog::onSaveMap() {
    const OverrideCursor busy(Qt::WaitCursor);
    DialogPipelineHost host(environment_, *this, offeredSaveFolder());
    if (runSave(request(), host) == SaveOutcome::Saved) {
        accept();
    }
}

void ComposerDialog::listMapFiles(QComboBox& mapList) {
    // Filling selects the first name on its own; that is no choice of the user's.
    const QSignalBlocker quiet(mapList);
    // Every slot lists the same folder: it is read once and the slots share the list.
    if (!mapSetListed_) {
        mapSetListed_ = true;
        std::vector<std::string> notes;
        std::optional<std::vector<ListedMap>> maps =
            listMapSet(environment_.mapSetRoots, mapSetIndex_, &notes);
        // A folder passed over is noted in the preview, as a legend left out is.
        preview_->setListingNotes(notes);
        if (maps) {
            mapSetFound_ = true;
            // Save As opens in the first of the set's folders while no path is remembered;
            // its legend colours the preview and the panels' pictures.
            const std::vector<std::string> folders =
                mapSetFolders(environment_.mapSetRoots, mapSetIndex_);
            saveFolder_ = folders.empty() ? QString() : QFile::decodeName(folders.front().c_str());
            mapNames_->setMaps(std::move(*maps), {environment_.pictureCacheFolder, saveFolder_});
            // Read off the GUI thread, as the headers are: no file may keep the dialog waiting.
            legendLoader_ = std::make_unique<LegendLoader>(
                saveFolder_, [this](std::optional<Legend> legend, const std::string& note) {
                    preview_->setLegend(std::move(legend), QString::fromStdString(note));
                });
        }
    }
    if (!mapSetFound_) {
        const std::string_view notFound = messages::kMapFilesNotFound;
        environment_.prompts->showError(this, QString::fromUtf8(notFound.data(), notFound.size()));
        return;
    }
    // Each name is opened from the folder it was listed from (MapListModel::PathRole).
    mapList.setModel(mapNames_);
    mapList.setCurrentIndex(-1);
}

bool ComposerDialog::inUse(std::size_t slot) const {
    return slot < static_cast<std::size_t>(slotsInUse_);
}

void ComposerDialog::pushTexts() {
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        const SlotState& state = composition_.slots[i];
        widgets_.slots[i].leftLabel->setText(state.leftText);
        widgets_.slots[i].rightLabel->setText(state.rightText);
        widgets_.slots[i].leftLabel->setVisible(state.shown == 'L');
        widgets_.slots[i].rightLabel->setVisible(state.shown == 'R');
    }
    widgets_.directionLabel->setText(directionText(composition_.direction));
    widgets_.directionButton->setAccessibleDescription(QString::fromStdString(
        DialogTexts::directionDescription(directionText(composition_.direction).toStdString())));
}

MergeRequest ComposerDialog::request() const {
    MergeRequest merge;
    merge.layout = layout_;
    merge.mapSetIndex = mapSetIndex_;
    merge.direction = composition_.direction;
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        if (!inUse(i)) {
            continue;
        }
        SourceSlot source;
        const QComboBox& mapList = *widgets_.slots[i].mapList;
        const SlotState& state = composition_.slots[i];
        // A panel a setup named that is not there is opened where it would be.
        source.name =
            state.missing ? escapedName(state.missing->panel) : mapList.currentText().toStdString();
        source.path = state.missing
                          ? QFile::encodeName(state.missingPath).toStdString()
                          : mapList.currentData(MapListModel::PathRole).toByteArray().toStdString();
        source.mark = state.mark;
        merge.slots.push_back(std::move(source));
    }
    return merge;
}

}  // namespace pw::gui
