// SPDX-License-Identifier: GPL-3.0-or-later
// The seam check's findings under the preview's picture, a list walked by keys.
#include "gui/preview/seam_findings.h"

#include <QKeyEvent>
#include <algorithm>

#include "jobs/preview_job.h"

namespace pw::gui {

namespace {
// Rows the list shows at most before it scrolls: the picture keeps the room.
constexpr int kShownRows = 4;
}  // namespace

SeamFindings::SeamFindings(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("previewFindings"));
    setAccessibleName(tr("Seam check findings"));
    setAccessibleDescription(
        tr("Each cell that does not meet across a seam, as the check command lists it. Up and "
           "Down choose one, Enter or a double-click centres the picture on it again."));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) { choose(row, true); });
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(row(item), true); });
}

void SeamFindings::showFindingsOf(const PreviewResult& result) {
    const QString before = currentItem() != nullptr ? currentItem()->text() : QString();
    const QSignalBlocker quiet(this);
    clear();
    cells_.clear();
    const std::vector<SeamMismatch>& mismatches = result.seams.mismatches;
    for (std::size_t i = 0; i < result.seamLines.size() && i < mismatches.size(); ++i) {
        // Read out as `check` prints it; shown with an em space for each tab, as the list's
        // own tab stops would spread the fields wider than the pane.
        const QString line = QString::fromStdString(result.seamLines[i]);
        auto* item = new QListWidgetItem(QString(line).replace(u'\t', QStringLiteral("\u2003")));
        item->setData(Qt::AccessibleTextRole, line);
        addItem(item);
        cells_.push_back(seamMarkCell(mismatches[i], result.joined));
    }
    const int shownRows = std::min(count(), kShownRows);
    if (shownRows > 0) {
        setFixedHeight(shownRows * sizeHintForRow(0) + 2 * frameWidth());
    }
    setVisible(shownRows > 0 && !result.image.isNull());
    const QList<QListWidgetItem*> again = findItems(before, Qt::MatchExactly);
    setCurrentItem(before.isEmpty() || again.isEmpty() ? nullptr : again.front());
    choose(currentRow(), false);
}

void SeamFindings::keyPressEvent(QKeyEvent* event) {
    // Enter on a finding centres on it; it does not reach the dialog's Save Map.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        choose(currentRow(), true);
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void SeamFindings::choose(int row, bool centre) {
    if (row < 0 || static_cast<std::size_t>(row) >= cells_.size()) {
        Q_EMIT chosen(std::nullopt, false);
        return;
    }
    Q_EMIT chosen(cells_[static_cast<std::size_t>(row)], centre);
}

}  // namespace pw::gui
