// SPDX-License-Identifier: GPL-3.0-or-later
// The composition of a composer dialog, its undo history and its setups.
#include "gui/composer/composition_model.h"

#include <QFile>
#include <QUndoStack>

#include "core/common/path_bytes.h"
#include "core/mapfile/direction.h"
#include "core/setup/setup_places.h"
#include "gui/common/dialog_texts.h"
#include "gui/composer/map_list_model.h"
#include "gui/composer/setup_composition.h"
#include "jobs/setup_picture.h"

namespace pw::gui {

CompositionModel::CompositionModel(Layout layout, MapSet mapSet, int slotsInUse, int slotCount,
                                   QObject* parent)
    : QObject(parent),
      layout_(layout),
      mapSet_(mapSet),
      slotsInUse_(slotsInUse),
      undoStack_(new QUndoStack(this)) {
    composition_.slots.assign(static_cast<std::size_t>(slotCount), SlotState{});
}

CompositionModel::~CompositionModel() = default;

void CompositionModel::choose(int slot, int row, const MapListModel& maps) {
    Composition next = composition_;
    // End-to-End joins no junction by marks, so its slots keep none.
    SlotState& state = next.slots.at(static_cast<std::size_t>(slot));
    state = chooseMap(state, row, maps.fileName(row), consultsMarks(layout_));
    change(std::move(next));
}

void CompositionModel::turn(bool back) {
    Composition next = composition_;
    next.direction = turned(next.direction, back);
    change(std::move(next));
}

void CompositionModel::swap(int from, int to) {
    Composition next = composition_;
    std::swap(next.slots.at(static_cast<std::size_t>(from)),
              next.slots.at(static_cast<std::size_t>(to)));
    change(std::move(next));
}

void CompositionModel::change(Composition next) {
    next.slots.resize(composition_.slots.size());
    if (next != composition_) {
        undoStack_->push(
            new CompositionCommand(composition_, std::move(next),
                                   [this](const Composition& composition) { apply(composition); }));
    }
}

void CompositionModel::reset(Composition composition) {
    composition.slots.resize(composition_.slots.size());
    apply(composition);
}

void CompositionModel::apply(const Composition& composition) {
    composition_ = composition;
    Q_EMIT changed();
}

MergeRequest CompositionModel::request(const MapListModel& maps) const {
    MergeRequest merge;
    merge.layout = layout_;
    merge.mapSet = mapSet_;
    merge.direction = composition_.direction;
    for (std::size_t i = 0; i < composition_.slots.size() && inUse(i); ++i) {
        const SlotState& state = composition_.slots[i];
        const QModelIndex listed = maps.index(state.row);
        SourceSlot source;
        // A panel a setup named that is not there is opened where it would be.
        source.name = state.missing ? escapedName(state.missing->panel)
                                    : listed.data(Qt::DisplayRole).toString().toStdString();
        source.path = state.missing
                          ? QFile::encodeName(state.missingPath).toStdString()
                          : listed.data(MapListModel::PathRole).toByteArray().toStdString();
        source.mark = state.mark;
        merge.slots.push_back(std::move(source));
    }
    return merge;
}

std::vector<Problem> CompositionModel::knownDamage(const MapListModel& maps) const {
    std::vector<Problem> damage;
    for (std::size_t i = 0; i < composition_.slots.size() && inUse(i); ++i) {
        const SlotState& state = composition_.slots[i];
        // A panel a setup named that is not there was never read.
        const std::string found = state.missing ? std::string() : maps.wholeProblem(state.row);
        if (!found.empty()) {
            damage.push_back({found, static_cast<int>(i)});
        }
    }
    return damage;
}

bool CompositionModel::takes(const Setup& setup) const {
    return setup.layout == layout_ && setup.mapSet == mapSet_ &&
           static_cast<int>(setup.slots.size()) == slotsInUse_;
}

QStringList CompositionModel::keepFiles(const OpenedSetup& opened) {
    // An output or picture outside the setup's folder is left out, with a word: a setup
    // passed around must not lead the dialogs to write there, nor into a setup of their own.
    QStringList leftOut;
    const auto keptFile = [&](const std::string& stored, const char* role) {
        const std::string path = setupFileWithin(opened, stored);
        if (path.empty() && !stored.empty()) {
            leftOut << QString::fromStdString(DialogTexts::setupFileLeftOut(
                opened.path.toStdString(), role, escapedName(stored)));
        }
        return path;
    };
    setupOutput_ = keptFile(opened.setup.output, "output");
    setupPicture_ = keptFile(opened.setup.picture, "picture");
    setupPictureOptions_ = opened.setup.pictureOptions;
    return leftOut;
}

void CompositionModel::fill(const OpenedSetup& opened, const std::vector<std::string>& roots,
                            MapListModel& maps, bool asStart) {
    Composition next = compositionOfSetup(opened, roots, maps, consultsMarks(layout_));
    if (asStart) {
        reset(std::move(next));
    } else {
        change(std::move(next));
    }
}

std::optional<std::string> CompositionModel::unnameable(const MergeRequest& request) const {
    return SetupPlaces::unnameable(request, setupOutput_, setupPicture_);
}

Setup CompositionModel::setupToSave(const MergeRequest& request, const std::string& path,
                                    const std::vector<std::string>& roots,
                                    const PictureChoice& shown) const {
    Setup setup =
        setupOfComposition(composition_, request, path, roots, setupOutput_, setupPicture_);
    // The picture as the preview shows it; what the preview does not choose stays as the
    // opened setup kept it (a PDF's paper, every label's text).
    setup.pictureOptions =
        keepsPicture() ? withShownChoices(setupPictureOptions_, shown) : setupPictureOptions_;
    return setup;
}

std::optional<Setup> CompositionModel::lastComposition(
    const MergeRequest& request, const std::string& path,
    const std::vector<std::string>& roots) const {
    // Nothing chosen: an earlier composition is worth more than an empty one. A name that
    // a setup cannot hold leaves the last composition as it was, too.
    if (composition_ ==
            Composition{std::vector<SlotState>(composition_.slots.size()), Direction::N} ||
        SetupPlaces::unnameable(request, "", "")) {
        return std::nullopt;
    }
    // The slots, marks and direction only: an output kept here would lie outside this
    // setup's folder, and Save Map asks for its name anyway.
    return setupOfComposition(composition_, request, path, roots, "", "");
}

}  // namespace pw::gui
