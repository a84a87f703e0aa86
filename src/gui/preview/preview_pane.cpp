#include "gui/preview/preview_pane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/user_prompts.h"
#include "gui/preview/preview_view.h"
#include "gui/preview/preview_worker.h"

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
      saveImage_(new QPushButton(tr("Save Image..."), this)),
      view_(new PreviewView(this)),
      status_(new QLabel(this)),
      worker_(std::make_unique<PreviewWorker>(
          [this](PreviewResult result) { take(std::move(result)); })) {
    show_->setObjectName(QStringLiteral("previewShow"));
    labels_->setObjectName(QStringLiteral("previewLabels"));
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
    controls->addStretch();
    controls->addWidget(saveImage_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(controls);
    column->addWidget(view_, 1);
    column->addWidget(status_);
    setTabOrder(show_, labels_);
    setTabOrder(labels_, saveImage_);

    connect(show_, &QComboBox::currentIndexChanged, this, &PreviewPane::submit);
    connect(labels_, &QCheckBox::toggled, this, &PreviewPane::submit);
    connect(saveImage_, &QPushButton::clicked, this, &PreviewPane::saveImage);
    connect(view_, &PreviewView::hovered, this, &PreviewPane::describeCell);
}

PreviewPane::~PreviewPane() = default;

void PreviewPane::setLegend(std::optional<Legend> legend, const QString& note) {
    legend_ = std::move(legend);
    legendNote_ = note;
    status_->setText(legendNote_);
    submit();
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
        status_->setText(legendNote_);
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
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Image"), QString(), tr("PNG image (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    QImageWriter writer(path, "png");
    if (!writer.write(current_.image)) {
        prompts_.showError(
            this, tr("ERROR: unable to write image %1: %2").arg(path, writer.errorString()));
    }
}

}  // namespace pw::gui
