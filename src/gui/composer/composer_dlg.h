#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "core/assembly/layout.h"
#include "core/composer/merge_request.h"
#include "gui/composer/dialog_environment.h"
#include "gui/composer/slot_widgets.h"

class QCheckBox;
class QComboBox;

namespace pw::gui {
class MapListModel;
class PreviewPane;
}  // namespace pw::gui

namespace pw::gui {

// The frame the three composer dialogs share: the slots with their drop-downs and L/R
// labels, the top-edge direction button and Save Map. Each dialog supplies its template
// and its slot table; everything else happens here.
class CComposerDlg : public QDialog {
    Q_OBJECT

  public:
    // The count the main dialog handed over: maps for Top-to-Bottom and End-to-End,
    // rows for Composite.
    int mapCount() const { return mapCount_; }
    int mapSetIndex() const { return mapSetIndex_; }
    // The top-edge direction index, 0 (N) to 7 (NW).
    int direction() const { return direction_; }
    // The L/R mark a slot's chosen maps gave it: 'L', 'R' or ' '.
    char mark(int slot) const { return slotStates_.at(static_cast<std::size_t>(slot)).mark; }

  protected:
    CComposerDlg(Layout layout, int mapCount, int mapSetIndex, const DialogEnvironment& environment,
                 QWidget* parent);

    // Each dialog calls this once its template is set up.
    void attachWidgets(ComposerWidgets widgets);

    void showEvent(QShowEvent* event) override;

  private:
    struct SlotState {
        QString leftText;
        QString rightText;
        char mark = ' ';
    };

    void OnInitDialog();
    void OnSlotSelChange(int slot);
    void OnDirectionButton();
    void OnSaveMap();
    void ListMapFiles(QComboBox& mapList);
    void findSaveFolder();
    void addPreview();
    void updatePreview();

    std::vector<QWidget*> tabOrder() const;
    bool inUse(const SlotWidgets& slot) const;
    void pushTexts();
    MergeRequest request() const;

    const Layout layout_;
    const int mapCount_;
    const int mapSetIndex_;
    const DialogEnvironment& environment_;
    ComposerWidgets widgets_;
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
