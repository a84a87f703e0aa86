#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "core/assembly/layout.h"
#include "core/assembly/merge_request.h"
#include "gui/composer/dialog_environment.h"
#include "gui/composer/slot_widgets.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace pw::gui {
class MapListModel;
class PreviewPane;
class SlotsArea;
}  // namespace pw::gui

namespace pw::gui {

// The composer dialog of a configuration: the slots with their drop-downs and L/R labels,
// the top-edge direction button, Save Map and the preview. Only the template differs from
// one layout to the next; which slots are in use follows from the layout table.
// With the preview hidden the dialog has the fixed size of its template. With the preview
// shown it can be resized and maximised: the slots keep their size and the preview takes
// the rest; the size is remembered per layout. It never opens larger than its screen.
class ComposerDialog : public QDialog {
    Q_OBJECT

  public:
    // `mapCount` is what the main dialog hands over: the number of maps, or for Composite
    // the number of rows.
    ComposerDialog(Layout layout, int mapCount, int mapSetIndex,
                   const DialogEnvironment& environment, QWidget* parent = nullptr);

    Layout mergeLayout() const { return layout_; }
    // The count the main dialog handed over: maps for Top-to-Bottom and End-to-End,
    // rows for Composite.
    int mapCount() const { return mapCount_; }
    int mapSetIndex() const { return mapSetIndex_; }
    // The top-edge direction index, 0 (N) to 7 (NW).
    int direction() const { return direction_; }
    // The L/R mark a slot's chosen maps gave it: 'L', 'R' or ' '.
    char mark(int slot) const { return slotStates_.at(static_cast<std::size_t>(slot)).mark; }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    struct SlotState {
        QString leftText;
        QString rightText;
        char mark = ' ';
        QString markFrom;  // the chosen name that gave the mark
        bool kept = false;  // the name chosen now has no mark: the slot joins with markFrom's
    };

    void onInitDialog();
    void onSlotSelChange(int slot);
    void onDirectionButton();
    void onSaveMap();
    void listMapFiles(QComboBox& mapList);
    void findSaveFolder();
    void addPreview();
    void updatePreview();
    void showKeptMarks();
    // Shows or hides the preview and sizes the dialog to suit.
    void applyPreviewShown(bool shown);
    // Keeps the dialog within its screen: the preview's controls stack when the screen is
    // narrow, and the slots scroll when even that leaves them too little room.
    void fitToScreen();
    QSize screenRoom() const;
    QSize openingSize() const;
    // Notes the size the dialog has with the preview shown.
    void rememberSize();

    void setUpTemplate();
    void attachWidgets();
    std::vector<QWidget*> tabOrder() const;
    bool inUse(std::size_t slot) const;
    void pushTexts();
    MergeRequest request() const;

    const Layout layout_;
    const int mapCount_;
    const int slotsInUse_;  // the first this many slots take part
    const int mapSetIndex_;
    const DialogEnvironment& environment_;
    ComposerWidgets widgets_;
    SlotsArea* slotsArea_ = nullptr;
    std::vector<QLabel*> keptMarks_;  // beside each slot's number labels: "R (kept)"
    std::vector<SlotState> slotStates_;
    int direction_ = 0;
    QString directionText_;
    bool opened_ = false;
    QCheckBox* previewToggle_ = nullptr;
    PreviewPane* preview_ = nullptr;
    MapListModel* mapNames_ = nullptr;  // the map set's files, shared by the slot lists
    bool mapSetListed_ = false;
    bool mapSetFound_ = false;
    QString saveFolder_;  // where Save As opens while no path is remembered
};

}  // namespace pw::gui
