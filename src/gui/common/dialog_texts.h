// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the dialogs word themselves, each translated in one context, "DialogTexts".
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/mapfile/mark.h"

namespace pw::gui {

// Captions, prompts, notes and what a screen reader says, as the dialogs show them. Texts
// with values come filled byte for byte (a file name stays the bytes it was); slots are
// numbered from 1. Captions of controls laid out in templates stay in the templates.
class DialogTexts {
    Q_DECLARE_TR_FUNCTIONS(DialogTexts)

  public:
    // The setup commands: the prompts' titles and filter, the main dialog's menu, and the
    // composer's buttons and undo commands, with the letters that Alt picks them by.
    static QString openSetupTitle();  // "Open Setup"
    static QString saveSetupTitle();
    static QString setupFilter();
    static QString setupMenu();
    static QString openSetupItem();
    static QString reopenLastComposition();
    static QString noRecentSetups();
    static QString openSetupButton();
    static QString saveSetupButton();
    static QString undo();
    static QString redo();
    static QString previewToggle();  // "&Preview"
    // The Help menu of the main dialog and the viewer, and its entry that opens the user's
    // guide (F1).
    static QString helpMenu();
    static QString guideItem();

    // Save Map's prompt: its filter, and a typed path whose folder is not there.
    static QString mapFilter();
    static std::string folderMissing(const std::string& folder);

    // The preview: what the keys do, what it says before any panel is chosen, its fix-up
    // highlight and seam check boxes, and Save Image's prompt and success.
    static QString previewKeys();
    static QString chooseFirstPanel();
    static QString fixUps();
    static QString fixUpsTip();
    static QString seamCheck();
    static QString seamCheckDescription();
    static QString saveImageTitle();
    static QString pngFilter();
    static QString pdfFilter();
    static QString imageCreated();
    // The note above the picture: the seam check's `finding`, as the check words it.
    static std::string seamCheckNote(const std::string& finding);

    // The line for the cell under the mouse: column, row and the cell's character in each
    // grid and in each layer (`layerLetters` and `layerCells` alike long); then the slot it
    // came from with the name chosen there, a seam it does not meet across (the feature
    // here and the cell across, each with its legend meaning, empty for none), the label.
    static std::string cellDescription(int column, int row, char first, char second,
                                       const std::string& layerLetters,
                                       const std::string& layerCells);
    static std::string cellSlot(int slot, const std::string& name);
    static std::string seamMismatchHover(char here, const std::string& hereMeaning, int facingSlot,
                                         const std::string& facingName, char across,
                                         const std::string& acrossMeaning);
    static std::string hoveredLabel(const std::string& label);

    // What a screen reader says of the controls: names where a control has no text of its
    // own, descriptions where its purpose needs saying.
    static std::string slotListName(int slot);  // "Slot 3 map file"
    static std::string slotListDescription(int slot);
    static std::string slotJoinsWith(Mark mark);  // " It joins with mark R."
    static QString directionName();
    static std::string directionDescription(const std::string& direction);
    static QString previewName();
    static QString previewShowDescription();
    static QString previewToggleDescription();
    static QString openSetupDescription();
    static QString saveSetupDescription();
    static QString saveMapDescription();
    static std::string countDescription(const CountRange& counts);

    // A slot joining with a mark its chosen name does not show: "R (kept)" beside it, its
    // tooltip, and the preview's note naming the slots across the junctions it changes.
    static std::string keptMark(Mark mark);
    static std::string keptMarkFrom(Mark mark, const std::string& from, const std::string& chosen);
    static std::string keptMarkNote(int slot, Mark mark, const std::string& from,
                                    const std::vector<int>& changedWith);

    // A setup whose output or picture (`role`, `path` as the setup names it, escaped) lies
    // outside its folder: the dialogs leave it out, with this warning.
    static std::string setupFileLeftOut(const std::string& file, const char* role,
                                        const std::string& path);
};

}  // namespace pw::gui
