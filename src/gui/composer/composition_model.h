// SPDX-License-Identifier: GPL-3.0-or-later
// What a composer dialog holds, without its widgets: the slots' choices and marks, the
// direction, their undo history, and the setup files they are kept in.
#pragma once

#include <QObject>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/assembly/merge_request.h"
#include "core/setup/setup.h"
#include "gui/common/setup_files.h"
#include "gui/composer/composition.h"
#include "jobs/picture_choice.h"

class QUndoStack;

namespace pw::gui {

class MapListModel;

// The composition of one layout, map set and count. Every change is one step to undo, and
// changed() tells whoever shows it, after undo and redo too. A slot's row is a row of the
// map set's list (MapListModel), which names the panel and where it is opened.
class CompositionModel : public QObject {
    Q_OBJECT

  public:
    // `slotCount` slots, of which the first `slotsInUse` take part.
    CompositionModel(Layout layout, MapSet mapSet, int slotsInUse, int slotCount,
                     QObject* parent = nullptr);
    ~CompositionModel() override;

    const Composition& composition() const { return composition_; }
    Layout layout() const { return layout_; }
    MapSet mapSet() const { return mapSet_; }
    int slotsInUse() const { return slotsInUse_; }
    bool inUse(std::size_t slot) const { return slot < static_cast<std::size_t>(slotsInUse_); }
    QUndoStack& undoStack() const { return *undoStack_; }

    // The user chose the name at `row` of `maps` in `slot` (chooseMap()).
    void choose(int slot, int row, const MapListModel& maps);
    // The top edge turned clockwise, or back.
    void turn(bool back);
    // Two slots trade what they hold, marks and all.
    void swap(int from, int to);
    // Any other change, as one step; none when `next` is what is held.
    void change(Composition next);
    // Where the dialog starts: no step to undo.
    void reset(Composition composition);

    // The merge of the slots in use, each named and opened as `maps` lists it.
    MergeRequest request(const MapListModel& maps) const;

    // The damage the lists found reading the chosen panels through, slot by slot, which a
    // save refuses before asking for a name (PipelineHost::knownDamage()).
    std::vector<Problem> knownDamage(const MapListModel& maps) const;

    // Whether a setup is of this layout, map set and count.
    bool takes(const Setup& setup) const;
    // Keeps an opened setup's output and picture for the next save where they lie in its
    // folder; returns the warnings for those left out.
    QStringList keepFiles(const OpenedSetup& opened);
    // Fills the slots from a setup as if the user had chosen each (compositionOfSetup()),
    // as one step, or as where the dialog starts.
    void fill(const OpenedSetup& opened, const std::vector<std::string>& roots, MapListModel& maps,
              bool asStart = false);
    // Whether the setup opened last has a picture, which a save keeps.
    bool keepsPicture() const { return !setupPicture_.empty(); }
    // A name of the merge that a setup file cannot hold; nullopt when all can be.
    std::optional<std::string> unnameable(const MergeRequest& request) const;
    // The setup to save at `path`: the opened setup's output and picture kept, and its
    // picture drawn as `shown` chooses, where it has one.
    Setup setupToSave(const MergeRequest& request, const std::string& path,
                      const std::vector<std::string>& roots, const PictureChoice& shown) const;
    // The last composition to keep at `path`: slots, marks and direction only; nullopt when
    // nothing is chosen or a name cannot be held, which keeps the earlier one.
    std::optional<Setup> lastComposition(const MergeRequest& request, const std::string& path,
                                         const std::vector<std::string>& roots) const;

  Q_SIGNALS:
    void changed();

  private:
    void apply(const Composition& composition);

    const Layout layout_;
    const MapSet mapSet_;
    const int slotsInUse_;
    Composition composition_;
    QUndoStack* undoStack_;
    // The output map and picture of the setup opened last, absolute or empty.
    std::string setupOutput_;
    std::string setupPicture_;
    SetupPictureOptions setupPictureOptions_;  // as the opened setup gave them
};

}  // namespace pw::gui
