#include "gui/composer/kept_marks.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/assembly/junction.h"

namespace pw::gui {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("KeptMarks", text);
}

}  // namespace

KeptMarkReport describeKeptMarks(const LayoutShape& shape, const std::vector<SlotMark>& slots) {
    KeptMarkReport report;
    QStringList sentences;
    const auto markOf = [&](int slot) { return slots.at(static_cast<std::size_t>(slot)).mark; };
    for (int slot = 0; slot < shape.slotCount() && slot < static_cast<int>(slots.size()); ++slot) {
        const SlotMark& kept = slots[static_cast<std::size_t>(slot)];
        if (kept.keptFrom.isEmpty()) {
            continue;
        }
        QStringList neighbours;
        const int above = slot - shape.columns;
        const int below = slot + shape.columns;
        if (shape.rowOf(slot) > 0 && junctionTallyAdjustment(markOf(above), kept.mark) != 0) {
            report.junctions.emplace_back(above, slot);
            neighbours.append(QString::number(above + 1));
        }
        if (shape.rowOf(slot) + 1 < shape.rows && below < static_cast<int>(slots.size()) &&
            junctionTallyAdjustment(kept.mark, markOf(below)) != 0) {
            report.junctions.emplace_back(slot, below);
            neighbours.append(QString::number(below + 1));
        }
        const QString joins =
            tr("Slot %1 joins with mark %2 kept from %3")
                .arg(QString::number(slot + 1), QString(QLatin1Char(kept.mark)), kept.keptFrom);
        sentences.append(neighbours.isEmpty()
                             ? tr("%1; it changes no junction as the marks stand.").arg(joins)
                             : tr("%1: it changes the junction with slot %2.")
                                   .arg(joins, neighbours.join(tr(" and slot "))));
    }
    report.note = sentences.join(QLatin1Char('\n'));
    return report;
}

QString keptMarkText(const SlotMark& slot) {
    return slot.keptFrom.isEmpty() ? QString() : tr("%1 (kept)").arg(QLatin1Char(slot.mark));
}

QString keptMarkToolTip(const SlotMark& slot, const QString& chosenName) {
    return slot.keptFrom.isEmpty()
               ? QString()
               : tr("Mark %1 kept from %2: %3 has no mark of its own")
                     .arg(QString(QLatin1Char(slot.mark)), slot.keptFrom, chosenName);
}

}  // namespace pw::gui
