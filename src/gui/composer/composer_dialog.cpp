#include "gui/composer/composer_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyle>
#include <QSvgWidget>
#include <QVBoxLayout>
#include <array>

#include "core/mapfile/direction.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_set.h"
#include "core/pipeline/save_pipeline.h"
#include "gui/common/dialog_pipeline_host.h"
#include "gui/common/saved_file_name.h"
#include "gui/common/override_cursor.h"
#include "gui/common/user_prompts.h"
#include "gui/composer/label_font.h"
#include "gui/composer/map_list_model.h"
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
    slotStates_.assign(widgets_.slots.size(), SlotState{});
    addPreview();
    // Made after the body that holds the lists, so that it outlives the lists that show it.
    mapNames_ = new MapListModel(this);
    // Fixed like a dialog template: no size grip, nothing to stretch.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Tab goes through the slots in slot order, then direction, Save Map and Cancel.
    QWidget* previous = nullptr;
    for (QWidget* next : tabOrder()) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
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
        if (i >= static_cast<std::size_t>(countRange(layout_).first)) {
            slot.mapList->hide();
            slot.arrow->hide();
            slot.panel->hide();
        }
        // A list, not a menu, so that the drop-down scrolls after kVisibleMapNames names
        // whatever the style would do.
        slot.mapList->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
        slot.mapList->setMaxVisibleItems(kVisibleMapNames);
        slot.mapList->setIconSize(MapListModel::kIconSize);
        connect(slot.mapList, &QComboBox::currentIndexChanged, this,
                [this, i] { onSlotSelChange(static_cast<int>(i)); });
    }
    connect(widgets_.directionButton, &QAbstractButton::clicked, this,
            &ComposerDialog::onDirectionButton);
    connect(widgets_.saveButton, &QAbstractButton::clicked, this, &ComposerDialog::onSaveMap);
    connect(widgets_.cancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
}

std::vector<QWidget*> ComposerDialog::tabOrder() const {
    std::vector<QWidget*> order;
    for (const SlotWidgets& slot : widgets_.slots) {
        order.push_back(slot.mapList);
    }
    order.insert(order.end(),
                 {widgets_.directionButton, widgets_.saveButton, widgets_.cancelButton});
    // The preview's controls come last.
    order.push_back(previewToggle_);
    for (const char* name : {"previewShow", "previewLabels", "previewSaveImage"}) {
        order.push_back(preview_->findChild<QWidget*>(QString::fromLatin1(name)));
    }
    return order;
}

void ComposerDialog::addPreview() {
    // The template's layout moves into a body of its own, and the preview goes beside it.
    auto* body = new QWidget(this);
    body->setLayout(layout());
    previewToggle_ = new QCheckBox(tr("Preview"), this);
    previewToggle_->setObjectName(QStringLiteral("previewToggle"));
    preview_ = new PreviewPane(*environment_.prompts, this);
    preview_->setObjectName(QStringLiteral("previewPane"));
    preview_->setImageNameSource([this] { return savedFileName(*environment_.settings); });
    auto* previewColumn = new QVBoxLayout;
    const int margin = style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    previewColumn->setContentsMargins(0, margin, margin, margin);
    previewColumn->addWidget(previewToggle_);
    previewColumn->addWidget(preview_, 1);
    auto* frame = new QHBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(body, 0, Qt::AlignTop);
    frame->addLayout(previewColumn, 1);

    const bool shown = environment_.settings->value(kPreviewShownKey, true).toBool();
    previewToggle_->setChecked(shown);
    preview_->setVisible(shown);
    connect(previewToggle_, &QCheckBox::toggled, this, [this](bool on) {
        environment_.settings->setValue(kPreviewShownKey, on);
        preview_->setVisible(on);
        updatePreview();
    });
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
    directionText_ = directionText(0);

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
    updatePreview();
}

void ComposerDialog::onSlotSelChange(int slot) {
    const ParsedMapFileName parsed = parseMapFileName(
        widgets_.slots.at(static_cast<std::size_t>(slot)).mapList->currentText().toStdString());
    const QString numberLabel = QString::fromStdString(parsed.numberLabel.value_or(std::string()));
    const SlotWidgets& widgets = widgets_.slots[static_cast<std::size_t>(slot)];
    if (slot == 0) {
        // Slot 1's panel is what every list measures its names against.
        mapNames_->setReference(widgets.mapList->currentIndex());
    }
    SlotState& state = slotStates_[static_cast<std::size_t>(slot)];
    // End-to-End joins no junction by marks, so its slots keep none.
    const bool keepsMark = layout_ != Layout::EndToEnd;
    if (parsed.mark == 'L') {
        widgets.leftLabel->show();
        widgets.rightLabel->hide();
        state.leftText = numberLabel;
        if (keepsMark) {
            state.mark = 'L';
        }
    } else if (parsed.mark == 'R') {
        widgets.rightLabel->show();
        widgets.leftLabel->hide();
        state.rightText = numberLabel;
        if (keepsMark) {
            state.mark = 'R';
        }
    }
    // A name without a mark changes nothing: the slot keeps what it showed before.
    pushTexts();
    updatePreview();
}

void ComposerDialog::onDirectionButton() {
    direction_ = (direction_ + 1) % static_cast<int>(kDirectionNames.size());
    directionText_ = directionText(direction_);
    pushTexts();
    updatePreview();
}

void ComposerDialog::onSaveMap() {
    const OverrideCursor busy(Qt::WaitCursor);
    DialogPipelineHost host(environment_, *this, saveFolder_);
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
        if (std::optional<std::vector<ListedMap>> maps =
                listMapSet(environment_.mapSetRoots, mapSetIndex_)) {
            mapSetFound_ = true;
            mapNames_->setMaps(std::move(*maps));
            findSaveFolder();
            preview_->setLegend(Legend::loadFromFolder(saveFolder_));
        }
    }
    if (!mapSetFound_) {
        environment_.prompts->showError(this, QStringLiteral("ERROR searchinng for Map files"));
        return;
    }
    // Each name is opened from the folder it was listed from (MapListModel::PathRole).
    mapList.setModel(mapNames_);
    mapList.setCurrentIndex(-1);
}

void ComposerDialog::findSaveFolder() {
    for (const std::string& root : environment_.mapSetRoots) {
        const QDir folder(QString::fromStdString(root + "/" + mapSetFolderName(mapSetIndex_)));
        if (folder.exists()) {
            saveFolder_ = folder.path();
            return;
        }
    }
}

bool ComposerDialog::inUse(std::size_t slot) const {
    return slot < static_cast<std::size_t>(slotsInUse_);
}

void ComposerDialog::pushTexts() {
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        widgets_.slots[i].leftLabel->setText(slotStates_[i].leftText);
        widgets_.slots[i].rightLabel->setText(slotStates_[i].rightText);
    }
    widgets_.directionLabel->setText(directionText_);
}

MergeRequest ComposerDialog::request() const {
    MergeRequest merge;
    merge.layout = layout_;
    merge.mapSetIndex = mapSetIndex_;
    merge.direction = direction_;
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        if (!inUse(i)) {
            continue;
        }
        SourceSlot source;
        const QComboBox& mapList = *widgets_.slots[i].mapList;
        source.name = mapList.currentText().toStdString();
        source.path = mapList.currentData().toString().toStdString();
        source.mark = slotStates_[i].mark;
        merge.slots.push_back(std::move(source));
    }
    return merge;
}

}  // namespace pw::gui
