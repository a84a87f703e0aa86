// SPDX-License-Identifier: GPL-3.0-or-later
// The preview pane: its controls, notes, picture and hover line.
#include "gui/preview/preview_pane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

#include "core/common/translated_text.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/override_cursor.h"
#include "gui/common/user_prompts.h"
#include "gui/preview/hover_line.h"
#include "gui/preview/image_save.h"
#include "gui/preview/picture_summary.h"
#include "gui/preview/preview_view.h"
#include "gui/preview/preview_worker.h"
#include "gui/preview/seam_findings.h"
#include "jobs/picture_rules.h"

namespace pw::gui {
namespace {

// The Show choice's data: the word a setup and --show give for it.
QString showWordOf(RenderSection section, char layer = kLayerLetters.front()) {
    return QString::fromStdString(showWord(section, layer));
}

const QString kSeamCheckKey = QStringLiteral("Preview/SeamCheck");

}  // namespace

PreviewPane::PreviewPane(UserPrompts& prompts, QWidget* parent)
    : QWidget(parent),
      prompts_(prompts),
      show_(new QComboBox(this)),
      labels_(new QCheckBox(tr("&Labels"), this)),
      fixUps_(new QCheckBox(DialogTexts::fixUps(), this)),
      seamCheck_(new QCheckBox(DialogTexts::seamCheck(), this)),
      grid_(new QCheckBox(tr("&Grid"), this)),
      saveImage_(new QPushButton(tr("Save &Image..."), this)),
      note_(new QLabel(this)),
      view_(new PreviewView(this)),
      findings_(new SeamFindings(this)),
      status_(new HoverLine(this)),
      worker_(std::make_unique<PreviewWorker>(
          [this](PreviewResult result) { take(std::move(result)); })) {
    show_->setObjectName(QStringLiteral("previewShow"));
    labels_->setObjectName(QStringLiteral("previewLabels"));
    fixUps_->setObjectName(QStringLiteral("previewFixUps"));
    fixUps_->setChecked(true);
    fixUps_->setToolTip(DialogTexts::fixUpsTip());
    seamCheck_->setObjectName(QStringLiteral("previewSeamCheck"));
    seamCheck_->setToolTip(DialogTexts::seamCheckDescription());
    seamCheck_->setAccessibleDescription(DialogTexts::seamCheckDescription());
    grid_->setObjectName(QStringLiteral("previewGrid"));
    grid_->setToolTip(
        tr("Outlines each cell, so that cells can be counted, once cells are "
           "large enough to show a line"));
    saveImage_->setObjectName(QStringLiteral("previewSaveImage"));
    saveImage_->setAutoDefault(false);
    view_->setObjectName(QStringLiteral("previewView"));
    status_->setObjectName(QStringLiteral("previewStatus"));
    note_->setObjectName(QStringLiteral("previewNote"));
    show_->addItem(tr("First grid"), showWordOf(RenderSection::FirstGrid));
    show_->addItem(tr("Second grid"), showWordOf(RenderSection::SecondGrid));
    show_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    labels_->setChecked(true);
    saveImage_->setEnabled(false);
    status_->setRestingLine(keysHint());
    view_->setToolTip(keysHint());
    view_->setAccessibleName(DialogTexts::previewName());
    view_->setAccessibleDescription(keysHint());
    show_->setAccessibleDescription(DialogTexts::previewShowDescription());
    note_->setWordWrap(true);
    note_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    note_->setStyleSheet(QStringLiteral("color: #a04000;"));
    note_->hide();

    auto* showGroup = new QHBoxLayout;
    auto* showLabel = new QLabel(tr("S&how:"), this);
    showLabel->setBuddy(show_);
    showGroup->addWidget(showLabel);
    showGroup->addWidget(show_);
    showGroup->setAlignment(Qt::AlignLeft);
    controls_ = new QBoxLayout(QBoxLayout::LeftToRight);
    controls_->addLayout(showGroup);
    controls_->addWidget(labels_, 0, Qt::AlignLeft);
    controls_->addWidget(fixUps_, 0, Qt::AlignLeft);
    controls_->addWidget(seamCheck_, 0, Qt::AlignLeft);
    controls_->addWidget(grid_, 0, Qt::AlignLeft);
    controls_->addStretch();
    controls_->addWidget(saveImage_, 0, Qt::AlignLeft);
    controls_->setContentsMargins(0, 0, 0, 0);
    controlsBar_->setObjectName(QStringLiteral("previewControls"));
    controlsBar_->setLayout(controls_);
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->addWidget(controlsBar_);
    column_->addWidget(note_);
    column_->addWidget(view_, 1);
    column_->addWidget(findings_);
    column_->addWidget(status_);
    setTabOrder(show_, labels_);
    setTabOrder(labels_, fixUps_);
    setTabOrder(fixUps_, seamCheck_);
    setTabOrder(seamCheck_, grid_);
    setTabOrder(grid_, saveImage_);

    connect(show_, &QComboBox::currentIndexChanged, this, &PreviewPane::submit);
    connect(labels_, &QCheckBox::toggled, this, &PreviewPane::submit);
    connect(fixUps_, &QCheckBox::toggled, this, &PreviewPane::submit);
    connect(seamCheck_, &QCheckBox::toggled, this, &PreviewPane::submit);
    connect(grid_, &QCheckBox::toggled, this, &PreviewPane::submit);
    connect(saveImage_, &QPushButton::clicked, this, &PreviewPane::saveImage);
    connect(view_, &PreviewView::hovered, this, &PreviewPane::describeCell);
    connect(findings_, &SeamFindings::chosen, this, &PreviewPane::showFinding);
}

PreviewPane::~PreviewPane() = default;

QString PreviewPane::keysHint() const {
    return keysHint_.isEmpty() ? DialogTexts::previewKeys() : keysHint_;
}

void PreviewPane::setKeysHint(const QString& hint) {
    keysHint_ = hint;
    status_->setRestingLine(keysHint());
    view_->setToolTip(keysHint());
    describePicture();
}

void PreviewPane::placeControls(QBoxLayout* elsewhere) {
    if (elsewhere != nullptr) {
        elsewhere->addWidget(controlsBar_);
    } else {
        column_->insertWidget(0, controlsBar_);
    }
    controlsBar_->show();
}

void PreviewPane::setCompact(bool compact) {
    controls_->setDirection(compact ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    // The stretch that keeps "Save Image..." at the right edge: none in a column, where
    // it would take height from the picture.
    for (int i = 0; i < controls_->count(); ++i) {
        if (QSpacerItem* stretch = controls_->itemAt(i)->spacerItem()) {
            stretch->changeSize(0, 0, compact ? QSizePolicy::Minimum : QSizePolicy::Expanding,
                                QSizePolicy::Minimum);
        }
    }
    controls_->invalidate();
    controlsBar_->updateGeometry();
    layout()->invalidate();
    updateGeometry();
}

void PreviewPane::keepSeamCheckIn(QSettings& settings) {
    seamCheck_->setChecked(settings.value(kSeamCheckKey, false).toBool());
    connect(seamCheck_, &QCheckBox::toggled, this,
            [&settings](bool on) { settings.setValue(kSeamCheckKey, on); });
}

void PreviewPane::setKeptMarks(const QString& note, std::vector<std::pair<int, int>> junctions) {
    keptNote_ = note;
    showNotes();
    keptJunctions_ = std::move(junctions);
    showJunctions();
}

void PreviewPane::showJunctions() {
    const JoinedMap& joined = current_.joined;
    std::vector<QRect> seams;
    for (const auto& [upper, lower] : keptJunctions_) {
        if (current_.image.isNull() || lower >= joined.shape.slotCount()) {
            continue;
        }
        seams.emplace_back(joined.shape.columnOf(lower) * joined.panelLength,
                           joined.shape.rowOf(lower) * joined.panelHeight, joined.panelLength, 0);
    }
    view_->setJunctions(std::move(seams));
}

void PreviewPane::showNotes() {
    QStringList notes = listingNotes_;
    notes.prepend(keptNote_);
    notes.append(legendNote_);
    notes.append(seamNote_);
    notes.removeAll(QString());
    note_->setText(notes.join(QLatin1Char('\n')));
    note_->setVisible(!notes.isEmpty());
    describePicture();
}

void PreviewPane::setListingNotes(const std::vector<std::string>& notes) {
    listingNotes_.clear();
    for (const std::string& note : notes) {
        listingNotes_.append(QString::fromStdString(note));
    }
    showNotes();
}

void PreviewPane::setLegend(std::optional<Legend> legend, const QString& note) {
    legend_ = std::move(legend);
    legendNote_ = note;
    showNotes();
    submit();
}

void PreviewPane::setImageNameSource(std::function<QString()> rememberedMap) {
    rememberedMap_ = std::move(rememberedMap);
}

void PreviewPane::setKnownDamageSource(std::function<std::vector<Problem>()> knownDamage) {
    knownDamage_ = std::move(knownDamage);
}

void PreviewPane::showRequest(MergeRequest request) {
    request_ = std::move(request);
    requested_ = true;
    submit();
}

bool PreviewPane::upToDate() const {
    return requested_ && !worker_->busy();
}

void PreviewPane::submit() {
    if (!requested_) {
        return;
    }
    PreviewJob job;
    job.picture = {request_, pictureChoice(), legend_};
    job.longSide = longSide();
    submittedLongSide_ = job.longSide;
    worker_->submit(std::move(job));
}

PictureChoice PreviewPane::pictureChoice() const {
    PictureChoice choice = joinedMapPicture();
    readPictureOption(PictureOption::Show, show_->currentData().toString(), choice);
    choice.labels = labels_->isChecked() ? LabelMode::Placed : LabelMode::None;
    choice.fixUps = fixUps_->isChecked();
    choice.seamMarks = seamCheck_->isChecked();
    choice.grid = grid_->isChecked();
    return choice;
}

void PreviewPane::setPictureChoice(const PictureChoice& choice) {
    const QSignalBlocker quietShow(show_), quietLabels(labels_), quietFixUps(fixUps_),
        quietSeams(seamCheck_), quietGrid(grid_);
    const QString wanted = showWordOf(choice.section, choice.layer);
    const int offered = show_->findData(wanted);
    show_->setCurrentIndex(std::max(offered, 0));
    awaitedShow_ = offered < 0 ? wanted : QString();
    labels_->setChecked(choice.labels != LabelMode::None);
    fixUps_->setChecked(choice.fixUps);
    seamCheck_->setChecked(choice.seamMarks);
    grid_->setChecked(choice.grid);
    submit();
}

int PreviewPane::longSide() const {
    // Enough pixels per cell for the view at its largest zoom-free size on this screen.
    const QSize room = view_->size().expandedTo(view_->sizeHint()) * view_->devicePixelRatioF();
    return std::max(PreviewJob().longSide, std::max(room.width(), room.height()));
}

void PreviewPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A view grown so much that the cells would be drawn larger is drawn again; a large
    // map at one pixel per cell is not.
    const JoinedMap& joined = current_.joined;
    if (requested_ && !current_.image.isNull() && longSide() > submittedLongSide_) {
        const int columns = joined.shape.columns * joined.panelLength;
        const int rows = joined.shape.rows * joined.panelHeight;
        if (previewCellSize(columns, rows, longSide()) != current_.options.cellSize) {
            submit();
        }
    }
}

void PreviewPane::take(PreviewResult result) {
    current_ = std::move(result);
    const JoinedMap& joined = current_.joined;
    seamNote_ = current_.image.isNull() || current_.seamFinding.empty()
                    ? QString()
                    : QString::fromStdString(DialogTexts::seamCheckNote(current_.seamFinding));
    findings_->showFindingsOf(current_);
    offerLayers(current_.cells.layerLetters());
    saveImage_->setEnabled(!current_.image.isNull());
    const auto unchosen = [](const SourceSlot& slot) { return slot.name.empty(); };
    if (current_.image.isNull() && std::ranges::all_of(request_.slots, unchosen)) {
        showMessage(DialogTexts::chooseFirstPanel());
        return;  // nothing is wrong yet: the line says where to start
    }
    if (current_.image.isNull()) {
        // Nothing could be joined: say why, slot by slot.
        QStringList reasons;
        for (const std::optional<Problem>& problem : joined.slotProblems) {
            if (problem) {
                reasons.append(QString::fromStdString(problem->message));
            }
        }
        if (current_.problem) {
            reasons.append(QString::fromStdString(current_.problem->message));
        }
        showMessage(reasons.join(QLatin1Char('\n')));
        return;
    }
    view_->setPicture(current_.image, current_.options.cellSize);
    shown_ = PictureSummary::of(current_, request_);
    showNotes();
    view_->setLabels(current_.options.labels ? current_.labels : std::vector<MapLabel>(),
                     current_.compass);
    showJunctions();
    // Each slot that could not be joined is an empty place with its reason.
    std::vector<MarkedPlace> places;
    const LayoutShape& shape = joined.shape;
    for (int slot = 0; slot < shape.slotCount(); ++slot) {
        const std::optional<Problem>& problem =
            joined.slotProblems.at(static_cast<std::size_t>(slot));
        if (problem) {
            places.push_back({QRect(shape.columnOf(slot) * joined.panelLength,
                                    shape.rowOf(slot) * joined.panelHeight, joined.panelLength,
                                    joined.panelHeight),
                              QString::fromStdString(problem->message)});
        }
    }
    view_->setMarks(std::move(places), QSize(joined.panelLength, joined.panelHeight));
}

void PreviewPane::showMessage(const QString& message) {
    view_->setMessage(message);
    shown_ = message;
    showNotes();
}

void PreviewPane::describePicture() {
    // A screen reader reads what the picture shows, the notes above it, then the keys.
    QStringList lines{shown_, note_->text(), keysHint()};
    lines.removeAll(QString());
    view_->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

void PreviewPane::showFinding(std::optional<QPoint> cell, bool centre) {
    view_->markFinding(cell);
    if (cell && centre) {
        view_->centreOn(*cell);
        // Both sides, their meanings and the slot across, as the mouse over it shows them.
        describeCell(cell->x(), cell->y(), QString());
    }
}

void PreviewPane::offerLayers(const std::string& letters) {
    // The grids stay; the layers offered are those of the joined map, in its order.
    // A setup's layer is looked for in the first layers a join offers, and only there.
    const bool awaited = !awaitedShow_.isEmpty();
    const QString chosen = awaited ? awaitedShow_ : show_->currentData().toString();
    awaitedShow_.clear();
    QString offered;
    for (int i = 2; i < show_->count(); ++i) {
        offered.append(show_->itemData(i).toString());
    }
    if (offered == QString::fromStdString(letters)) {
        return;
    }
    const QSignalBlocker quiet(show_);
    while (show_->count() > 2) {
        show_->removeItem(2);
    }
    for (const char letter : letters) {
        show_->addItem(QString::fromStdString(filled(tr("Layer %1"), {std::string(1, letter)})),
                       showWordOf(RenderSection::Layer, letter));
    }
    const int stays = show_->findData(chosen);
    show_->setCurrentIndex(std::max(stays, 0));
    if (stays < 0 || awaited) {
        submit();  // the layer shown is gone (the first grid instead), or the awaited came
    }
}

void PreviewPane::describeCell(int column, int row, const QString& label) {
    const JoinedMap& joined = current_.joined;
    if (column < 0 || joined.panelLength <= 0 || joined.panelHeight <= 0) {
        status_->rest();
        view_->setToolTip(keysHint());
        return;
    }
    const CellContents cell = current_.cells.at(column, row);
    std::string description = DialogTexts::cellDescription(column, row, cell.first, cell.second,
                                                           cell.layerLetters, cell.layerCells);
    const int slot =
        (row / joined.panelHeight) * joined.shape.columns + column / joined.panelLength;
    if (slot >= 0 && static_cast<std::size_t>(slot) < current_.slotNames.size()) {
        description +=
            DialogTexts::cellSlot(slot + 1, current_.slotNames[static_cast<std::size_t>(slot)]);
    }
    // Each seam this cell does not meet across, named from both sides.
    const auto meaning = [this](char character) {
        const std::optional<Legend>& legend = current_.options.legend;
        const LegendEntry* entry = legend ? legend->entryOf(character) : nullptr;
        return entry != nullptr ? entry->meaning : std::string();
    };
    for (const SeamMismatch& mismatch : current_.seams.mismatches) {
        if (seamMarkCell(mismatch, joined) == QPoint(column, row)) {
            const auto across = static_cast<std::size_t>(mismatch.facingSlot);
            description += DialogTexts::seamMismatchHover(
                mismatch.cell, meaning(mismatch.cell), mismatch.facingSlot + 1,
                across < current_.slotNames.size() ? current_.slotNames[across] : std::string(),
                mismatch.facingCell, meaning(mismatch.facingCell));
        }
    }
    if (!label.isEmpty()) {
        description += DialogTexts::hoveredLabel(label.toStdString());
    }
    const QString text = QString::fromStdString(description);
    status_->setLine(text);
    view_->setToolTip(text);
}

void PreviewPane::saveImage() {
    const OverrideCursor busy(Qt::WaitCursor);
    saveImageOf(pictureJob(), rememberedMap_ ? rememberedMap_() : QString(), prompts_, *this,
                knownDamage_ ? knownDamage_() : std::vector<Problem>());
}

}  // namespace pw::gui
