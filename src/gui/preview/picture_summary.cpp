// SPDX-License-Identifier: GPL-3.0-or-later
// What the preview's picture shows, in words for screen readers.
#include "gui/preview/picture_summary.h"

#include <QStringList>
#include <algorithm>

#include "core/common/translated_text.h"
#include "jobs/preview_job.h"
#include "jobs/single_map.h"

namespace pw::gui {

QString PictureSummary::of(const PreviewResult& result, const MergeRequest& request) {
    const QSize cells = result.image.size() / std::max(result.options.cellSize, 1);
    const std::string columns = std::to_string(cells.width());
    const std::string rows = std::to_string(cells.height());
    if (isSingleMap(request)) {  // a map file on its own, as the viewer shows it
        return QString::fromStdString(
            filled(tr("%1: %2 columns by %3 rows"), {result.slotNames.front(), columns, rows}));
    }
    QString shape;
    switch (request.layout) {
        case Layout::TopToBottom:
            shape = tr("Top-to-Bottom map, %1 columns by %2 rows");
            break;
        case Layout::EndToEnd:
            shape = tr("End-to-End map, %1 columns by %2 rows");
            break;
        case Layout::Composite:
            shape = tr("Composite map, %1 columns by %2 rows");
            break;
    }
    QStringList lines{QString::fromStdString(filled(shape, {columns, rows}))};
    const std::vector<std::optional<Problem>>& problems = result.joined.slotProblems;
    for (std::size_t slot = 0; slot < result.slotNames.size(); ++slot) {
        // A slot that failed is worded as the picture words its empty place.
        const bool failed = slot < problems.size() && problems[slot];
        lines.append(QString::fromStdString(filled(
            tr("Slot %1: %2"), {std::to_string(slot + 1),
                                failed ? problems[slot]->message : result.slotNames[slot]})));
    }
    // What the picture shows only by colour: the cells the junction fix-ups changed.
    if (const int fixed = static_cast<int>(result.options.highlights.size()); fixed > 0) {
        lines.append(counted("PictureSummary", fixed,
                             "%n cell changed by the fix-ups is highlighted",
                             QT_TRANSLATE_N_NOOP("PictureSummary",
                                                 "%n cells changed by the fix-ups are highlighted")));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace pw::gui
