// SPDX-License-Identifier: GPL-3.0-or-later
// What a composer's slots and direction hold, and one change of them to undo.
#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/setup/setup.h"

namespace pw::gui {

// Everything one slot of a composer dialog holds: the name chosen, the L/R mark the
// chosen names gave it, the texts of both labels and which of them shows. Undo brings
// back exactly this.
struct SlotState {
    int row = -1;  // the row of the slot list chosen; -1 for none
    // A panel a setup named that cannot be found: the slot shows nothing chosen, but the
    // preview and Save Map name the file as they name any file they cannot open.
    std::optional<SetupSlot> missing;
    QString missingPath;
    QString leftText;
    QString rightText;
    char mark = ' ';   // 'L', 'R' or ' '
    QString markFrom;  // the name (or the setup) that gave the slot its mark
    char shown = ' ';  // the label that shows: 'L', 'R' or ' ' for neither
    bool operator==(const SlotState&) const = default;
};

// A composer dialog's choices: its slots in slot order and the top-edge direction.
struct Composition {
    std::vector<SlotState> slots;
    int direction = 0;
    bool operator==(const Composition&) const = default;
};

// The slot after the user chose the file named `name` (its bytes, at `row` of the list) in
// it: a name with an L or R mark shows that label with the name's number and gives the
// slot its mark (if the layout keeps marks); a name without a mark leaves labels and mark
// as they were, and the slot then joins with a mark that its name does not show.
SlotState chooseMap(SlotState slot, int row, const std::string& name, bool keepsMarks);

// One change of a composition, undone and redone as a whole.
class CompositionCommand : public QUndoCommand {
  public:
    using Apply = std::function<void(const Composition&)>;
    CompositionCommand(Composition before, Composition after, Apply apply)
        : before_(std::move(before)), after_(std::move(after)), apply_(std::move(apply)) {}

    void undo() override { apply_(before_); }
    void redo() override { apply_(after_); }

  private:
    Composition before_;
    Composition after_;
    Apply apply_;
};

}  // namespace pw::gui
