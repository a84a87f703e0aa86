// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' own texts, translated in the context "DialogTexts".
#include "gui/common/dialog_texts.h"

#include "core/assembly/layout_choices.h"
#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/common/translated_text.h"

namespace pw::gui {
namespace {

// A cell as the user sees it: the byte as a Latin-1 character, quoted, in UTF-8.
std::string quotedCell(char cell) {
    const auto code = static_cast<unsigned char>(cell);
    std::string text = "'";
    if (code < 0x80) {
        text += cell;
    } else {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text + "'";
}

// A cell with its legend meaning before it, where it has one.
std::string meantCell(char cell, const std::string& meaning) {
    return meaning.empty() ? quotedCell(cell) : meaning + " " + quotedCell(cell);
}

std::string number(int value) {
    return std::to_string(value);
}

}  // namespace

QString DialogTexts::openSetupTitle() {
    return tr("Open Setup");
}

QString DialogTexts::saveSetupTitle() {
    return tr("Save Setup");
}

QString DialogTexts::setupFilter() {
    return tr("Boardsmith setup (*.pwsetup)");
}

QString DialogTexts::setupMenu() {
    return tr("&File");
}

QString DialogTexts::openSetupItem() {
    return tr("&Open Setup...");
}

QString DialogTexts::reopenLastComposition() {
    return tr("&Reopen Last Composition");
}

QString DialogTexts::noRecentSetups() {
    return tr("No recent setups");
}

QString DialogTexts::openSetupButton() {
    return tr("&Open Setup...");
}

QString DialogTexts::saveSetupButton() {
    return tr("Sa&ve Setup...");
}

QString DialogTexts::undo() {
    return tr("Undo");
}

QString DialogTexts::redo() {
    return tr("Redo");
}

QString DialogTexts::previewToggle() {
    return tr("&Preview");
}

QString DialogTexts::helpMenu() {
    return tr("&Help");
}

QString DialogTexts::guideItem() {
    return tr("&User's Guide");
}

QString DialogTexts::mapFilter() {
    return tr("MAP (*.map)");
}

std::string DialogTexts::folderMissing(const std::string& folder) {
    return filled(tr("The folder %1 does not exist."), {folder});
}

QString DialogTexts::previewKeys() {
    return tr(
        "Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or Home fits. "
        "Ctrl+S Save Map, Ctrl+Shift+S Save Setup, Ctrl+O Open Setup, Ctrl+Z undo, "
        "Shift+click or Shift+Space on the arrow turns it back");
}

QString DialogTexts::chooseFirstPanel() {
    return tr("Choose a panel for slot 1");
}

QString DialogTexts::fixUps() {
    return tr("&Fix-ups");
}

QString DialogTexts::fixUpsTip() {
    return tr(
        "Highlights in magenta the cells of layer b that the junction fix-up changed "
        "where L and R marked panels meet");
}

QString DialogTexts::seamCheck() {
    return tr("Sea&m check");
}

QString DialogTexts::seamCheckDescription() {
    return tr(
        "Marks the edge cells of features the legend marks with + that do not meet across a "
        "seam, in a colour that stands out from every colour of the legend");
}

QString DialogTexts::saveImageTitle() {
    return tr("Save Image");
}

QString DialogTexts::pngFilter() {
    return tr("PNG image (*.png)");
}

QString DialogTexts::pdfFilter() {
    return tr("PDF to print (*.pdf)");
}

QString DialogTexts::imageCreated() {
    return tr("New image file created successfully");
}

std::string DialogTexts::seamCheckNote(const std::string& finding) {
    return filled(tr("Seam check: %1"), {finding});
}

std::string DialogTexts::cellDescription(int column, int row, char first, char second,
                                         const std::string& layerLetters,
                                         const std::string& layerCells) {
    // Each layer as its letter and its character: ", b 'Q', d ' '".
    std::string layers;
    for (std::size_t i = 0; i < layerLetters.size() && i < layerCells.size(); ++i) {
        layers += ", " + std::string(1, layerLetters[i]) + " " + quotedCell(layerCells[i]);
    }
    return filled(tr("Column %1, row %2: first grid %3, second grid %4%5"),
                  {number(column), number(row), quotedCell(first), quotedCell(second), layers});
}

std::string DialogTexts::cellSlot(int slot, const std::string& name) {
    return name.empty() ? filled(tr("; slot %1, nothing chosen"), {number(slot)})
                        : filled(tr("; slot %1: %2"), {number(slot), name});
}

std::string DialogTexts::seamMismatchHover(char here, const std::string& hereMeaning,
                                           int facingSlot, const std::string& facingName,
                                           char across, const std::string& acrossMeaning) {
    const std::string hereCell = meantCell(here, hereMeaning);
    const std::string acrossCell = meantCell(across, acrossMeaning);
    if (facingName.empty()) {
        return filled(tr("; does not meet across the seam: %1 here, %2 across in slot %3"),
                      {hereCell, acrossCell, number(facingSlot)});
    }
    return filled(tr("; does not meet across the seam: %1 here, %2 across in slot %3: %4"),
                  {hereCell, acrossCell, number(facingSlot), facingName});
}

std::string DialogTexts::hoveredLabel(const std::string& label) {
    return filled(tr("; label \"%1\""), {label});
}

std::string DialogTexts::slotListName(int slot) {
    return filled(tr("Slot %1 map file"), {number(slot)});
}

std::string DialogTexts::slotListDescription(int slot) {
    return filled(tr("The panel that fills slot %1 of the diagram; a name ending in L or R "
                     "gives the slot that mark. A map file dropped here is chosen."),
                  {number(slot)});
}

std::string DialogTexts::slotJoinsWith(Mark mark) {
    return filled(tr(" It joins with mark %1."), {std::string(1, markLetter(mark))});
}

QString DialogTexts::directionName() {
    return tr("Turn the map's top edge");
}

std::string DialogTexts::directionDescription(const std::string& direction) {
    return filled(tr("The joined map's top edge faces %1. Click or Space turns it clockwise, "
                     "Shift+click or Shift+Space back."),
                  {direction});
}

QString DialogTexts::previewName() {
    return tr("Map preview");
}

QString DialogTexts::previewShowDescription() {
    return tr(
        "What the preview draws: the first grid, the second grid or a layer over the "
        "first grid");
}

QString DialogTexts::previewToggleDescription() {
    return tr("Shows or hides the picture of the map that Save Map would write");
}

QString DialogTexts::openSetupDescription() {
    return tr("Fills the slots, marks and direction from a setup file (Ctrl+O)");
}

QString DialogTexts::saveSetupDescription() {
    return tr("Keeps the slots, marks and direction in a setup file (Ctrl+Shift+S)");
}

QString DialogTexts::saveMapDescription() {
    return tr("Checks the chosen panels and writes the joined map (Ctrl+S)");
}

std::string DialogTexts::countDescription(const CountRange& counts) {
    return filled(tr("Type %1, or step with the arrow keys"), {messages::countChoices(counts)});
}

std::string DialogTexts::keptMark(Mark mark) {
    return filled(tr("%1 (kept)"), {std::string(1, markLetter(mark))});
}

std::string DialogTexts::keptMarkFrom(Mark mark, const std::string& from,
                                      const std::string& chosen) {
    return filled(tr("Mark %1 kept from %2: %3 has no mark of its own"),
                  {std::string(1, markLetter(mark)), from, chosen});
}

std::string DialogTexts::keptMarkNote(int slot, Mark mark, const std::string& from,
                                      const std::vector<int>& changedWith) {
    if (changedWith.empty()) {
        return filled(tr("Slot %1 joins with mark %2 kept from %3; it changes no junction as "
                         "the marks stand."),
                      {number(slot), std::string(1, markLetter(mark)), from});
    }
    // The slots across: "2", "2 and slot 3".
    std::string slots;
    for (const int other : changedWith) {
        slots += (slots.empty() ? std::string() : filled(tr(" and slot "))) + number(other);
    }
    return filled(tr("Slot %1 joins with mark %2 kept from %3: it changes the junction with "
                     "slot %4."),
                  {number(slot), std::string(1, markLetter(mark)), from, slots});
}

std::string DialogTexts::setupFileLeftOut(const std::string& file, const char* role,
                                          const std::string& path) {
    return filled(tr("WARNING: setup %1: %2; the dialogs leave it out"),
                  {escapedName(file), messages::setup::outsideFolder(role, path)});
}

}  // namespace pw::gui
