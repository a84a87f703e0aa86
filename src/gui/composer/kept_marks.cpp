// SPDX-License-Identifier: GPL-3.0-or-later
// What a slot's kept mark shows beside it, in its tooltip and in the preview.
#include "gui/composer/kept_marks.h"

#include <QStringList>

#include "core/assembly/junction.h"
#include "gui/common/dialog_texts.h"

namespace pw::gui {

KeptMarkReport describeKeptMarks(const LayoutShape& shape, const std::vector<SlotMark>& slots) {
    KeptMarkReport report;
    QStringList sentences;
    const auto markOf = [&](int slot) { return slots.at(static_cast<std::size_t>(slot)).mark; };
    for (int slot = 0; slot < shape.slotCount() && slot < static_cast<int>(slots.size()); ++slot) {
        const SlotMark& kept = slots[static_cast<std::size_t>(slot)];
        if (kept.keptFrom.isEmpty()) {
            continue;
        }
        std::vector<int> changedWith;
        const int above = slot - shape.columns;
        const int below = slot + shape.columns;
        if (shape.rowOf(slot) > 0 && junctionTallyAdjustment(markOf(above), kept.mark) != 0) {
            report.junctions.emplace_back(above, slot);
            changedWith.push_back(above + 1);
        }
        if (shape.rowOf(slot) + 1 < shape.rows && below < static_cast<int>(slots.size()) &&
            junctionTallyAdjustment(kept.mark, markOf(below)) != 0) {
            report.junctions.emplace_back(slot, below);
            changedWith.push_back(below + 1);
        }
        sentences.append(QString::fromStdString(DialogTexts::keptMarkNote(
            slot + 1, kept.mark, kept.keptFrom.toStdString(), changedWith)));
    }
    report.note = sentences.join(QLatin1Char('\n'));
    return report;
}

QString keptMarkText(const SlotMark& slot) {
    return slot.keptFrom.isEmpty() ? QString()
                                   : QString::fromStdString(DialogTexts::keptMark(slot.mark));
}

QString keptMarkToolTip(const SlotMark& slot, const QString& chosenName) {
    return slot.keptFrom.isEmpty()
               ? QString()
               : QString::fromStdString(DialogTexts::keptMarkFrom(
                     slot.mark, slot.keptFrom.toStdString(), chosenName.toStdString()));
}

}  // namespace pw::gui
