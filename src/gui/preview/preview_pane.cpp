#include "gui/preview/preview_pane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/override_cursor.h"
#include "gui/common/user_prompts.h"
#include "gui/preview/preview_view.h"
#include "gui/preview/preview_worker.h"
#include "render/picture_file.h"

namespace pw::gui {
namespace {

// The Show choice's data: 'F' first grid, 'S' second grid, else the layer letter.
constexpr char kFirstGrid = 'F';
constexpr char kSecondGrid = 'S';

QString quoted(char cell) {
    return QStringLiteral("'%1'").arg(QLatin1Char(cell));
}

}  // namespace

PreviewPane::PreviewPane(UserPrompts& prompts, QWidget* parent)
    : QWidget(parent),
      prompts_(prompts),
      show_(new QComboBox(this)),
      labels_(new QCheckBox(tr("Labels"), this)),
      fixUps_(new QCheckBox(tr("Fix-ups"), this)),
      saveImage_(new QPushButton(tr("Save Image..."), this)),
      view_(new PreviewView(this)),
      status_(new QLabel(this)),
      worker_(std::make_unique<PreviewWorker>(
          [this](PreviewResult result) { take(std::move(result)); })) {
    show_->setObjectName(QStringLiteral("previewShow"));
    labels_->setObjectName(QStringLiteral("previewLabels"));
    fixUps_->setObjectName(QStringLiteral("previewFixUps"));
    fixUps_->setChecked(true);
    fixUps_->setToolTip(
        tr("Highlights in magenta the cells of layer b that the junction fix-up changed where "
           "L and R marked panels meet"));
    saveImage_->setObjectName(QStringLiteral("previewSaveImage"));
    saveImage_->setAutoDefault(false);
    view_->setObjectName(QStringLiteral("previewView"));
    status_->setObjectName(QStringLiteral("previewStatus"));
    show_->addItem(tr("First grid"), QChar::fromLatin1(kFirstGrid));
    show_->addItem(tr("Second grid"), QChar::fromLatin1(kSecondGrid));
    show_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    labels_->setChecked(true);
    saveImage_->setEnabled(false);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long description is cut at the pane's edge; it never widens the dialog.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Show:"), this));
    controls->addWidget(show_);
    controls->addWidget(labels_);
    controls->addWidget(fixUps_);
    controls->addStretch();
    controls->addWidget(saveImage_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(controls);
    column->addWidget(view_, 1);
    column->addWidget(status_);
    setTabOrder(show_, labels_);
    setTabOrder(labels_, fixUps_);
    setTabOrder(fixUps_, saveImage_);

    connect(show_, &QComboBox::currentIndexChanged, this, &PreviewPane::submit);
    connect(labels_, &QCheckBox::toggled, this, &PreviewPane::submit);
    connect(fixUps_, &QCheckBox::toggled, this, &PreviewPane::submit);
    connect(saveImage_, &QPushButton::clicked, this, &PreviewPane::saveImage);
    connect(view_, &PreviewView::hovered, this, &PreviewPane::describeCell);
}

PreviewPane::~PreviewPane() = default;

void PreviewPane::setLegend(std::optional<Legend> legend) {
    legend_ = std::move(legend);
    submit();
}

void PreviewPane::setImageNameSource(std::function<QString()> rememberedMap) {
    rememberedMap_ = std::move(rememberedMap);
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
    job.request = request_;
    const char shown = show_->currentData().toChar().toLatin1();
    job.options.section = shown == kFirstGrid    ? RenderSection::FirstGrid
                          : shown == kSecondGrid ? RenderSection::SecondGrid
                                                 : RenderSection::Layer;
    job.options.layer = shown;
    job.options.labels = labels_->isChecked();
    job.fixUps = fixUps_->isChecked();
    job.options.legend = legend_;
    // Enough pixels per cell for the view at its largest zoom-free size on this screen.
    const QSize room = view_->size().expandedTo(view_->sizeHint()) * view_->devicePixelRatioF();
    job.longSide = std::max(job.longSide, std::max(room.width(), room.height()));
    worker_->submit(std::move(job));
}

void PreviewPane::take(PreviewResult result) {
    current_ = std::move(result);
    const JoinedMap& joined = current_.joined;
    offerLayers(current_.cells.layerLetters());
    saveImage_->setEnabled(!current_.image.isNull());
    if (current_.image.isNull()) {
        // Nothing could be joined: say why, slot by slot.
        QStringList reasons;
        for (const std::string& problem : joined.slotProblems) {
            if (!problem.empty()) {
                reasons.append(QString::fromStdString(problem));
            }
        }
        if (!current_.error.empty()) {
            reasons.append(QString::fromStdString(current_.error));
        }
        view_->setMessage(reasons.join(QLatin1Char('\n')));
        return;
    }
    view_->setPicture(current_.image, current_.options.cellSize);
    // Each slot that could not be joined is an empty place with its reason.
    std::vector<MarkedPlace> places;
    const LayoutShape& shape = joined.shape;
    for (int slot = 0; slot < shape.slotCount(); ++slot) {
        const std::string& problem = joined.slotProblems.at(static_cast<std::size_t>(slot));
        if (!problem.empty()) {
            places.push_back({QRect(shape.columnOf(slot) * joined.panelLength,
                                    shape.rowOf(slot) * joined.panelHeight, joined.panelLength,
                                    joined.panelHeight),
                              QString::fromStdString(problem)});
        }
    }
    view_->setMarks(std::move(places), QSize(joined.panelLength, joined.panelHeight));
}

void PreviewPane::offerLayers(const std::string& letters) {
    // The grids stay; the layers offered are those of the joined map, in its order.
    const QChar chosen = show_->currentData().toChar();
    QString offered;
    for (int i = 2; i < show_->count(); ++i) {
        offered.append(show_->itemData(i).toChar());
    }
    if (offered == QString::fromStdString(letters)) {
        return;
    }
    const QSignalBlocker quiet(show_);
    while (show_->count() > 2) {
        show_->removeItem(2);
    }
    for (const char letter : letters) {
        show_->addItem(tr("Layer %1").arg(QLatin1Char(letter)), QChar::fromLatin1(letter));
    }
    const int stays = show_->findData(chosen);
    show_->setCurrentIndex(std::max(stays, 0));
    if (stays < 0) {
        submit();  // the layer shown is gone: show the first grid
    }
}

void PreviewPane::describeCell(int column, int row) {
    const JoinedMap& joined = current_.joined;
    if (column < 0 || joined.panelLength <= 0 || joined.panelHeight <= 0) {
        status_->clear();
        view_->setToolTip(QString());
        return;
    }
    const CellContents cell = current_.cells.at(column, row);
    QString text = tr("Column %1, row %2: first grid %3, second grid %4")
                       .arg(column)
                       .arg(row)
                       .arg(quoted(cell.first), quoted(cell.second));
    for (std::size_t i = 0; i < cell.layerLetters.size(); ++i) {
        text += tr(", %1 %2").arg(QString(QLatin1Char(cell.layerLetters[i])),
                                  quoted(cell.layerCells[i]));
    }
    const int slot =
        (row / joined.panelHeight) * joined.shape.columns + column / joined.panelLength;
    if (slot >= 0 && static_cast<std::size_t>(slot) < current_.slotNames.size()) {
        const std::string& name = current_.slotNames[static_cast<std::size_t>(slot)];
        text += name.empty() ? tr("; slot %1, nothing chosen").arg(slot + 1)
                             : tr("; slot %1: %2").arg(slot + 1).arg(QString::fromStdString(name));
    }
    status_->setText(text);
    view_->setToolTip(text);
}

void PreviewPane::saveImage() {
    // The remembered map's name, as a picture: big.map suggests big.png.
    const QString map = rememberedMap_ ? rememberedMap_() : QString();
    const QFileInfo mapFile(map);
    const QString suggested =
        map.isEmpty() ? QString()
                      : mapFile.dir().filePath(mapFile.completeBaseName() + QStringLiteral(".png"));
    const std::optional<std::pair<QString, bool>> answer = prompts_.askImagePath(this, suggested);
    if (!answer) {
        return;
    }
    QString path = answer->first;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += answer->second ? QStringLiteral(".pdf") : QStringLiteral(".png");
    }
    const std::string name = path.toStdString();
    PictureFileOptions file;
    file.format = formatForName(name);
    const OverrideCursor busy(Qt::WaitCursor);
    if (const std::optional<std::string> failed =
            savePicture(MapSource::bytes(current_.joined.bytes, name),
                        savedPictureOptions(current_), file, name)) {
        prompts_.showError(this, QString::fromStdString(*failed));
    }
}

}  // namespace pw::gui
