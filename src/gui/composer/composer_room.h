// SPDX-License-Identifier: GPL-3.0-or-later
// The room of a composer dialog: its slots beside or under the preview at a handle, the
// preview's toggle, and the window's size with the preview and without.
#pragma once

#include <QObject>
#include <QSize>
#include <vector>

#include "core/assembly/layout.h"
#include "gui/composer/room_memory.h"

class QBoxLayout;
class QCheckBox;
class QDialog;
class QSettings;
class QSplitter;
class QWidget;

namespace pw::gui {

class PreviewPane;
class SlotsArea;

// With the preview hidden the dialog has the fixed size of its template. With the preview
// shown it can be resized and maximised: the slots keep their size and the preview takes
// the rest; the size, whether it was maximised and where the handle was left are
// remembered per layout in `settings`, as is whether the preview is shown. The dialog
// never opens larger than its screen: the preview goes under the slots where it has more
// room there, its controls stack where the room is narrow, and the slots scroll where
// even that leaves them too little.
class ComposerRoom : public QObject {
    Q_OBJECT

  public:
    // Moves the template's layout of `dialog` into the slots' side and puts `preview` on
    // the other, under a bar of the preview's toggle and `commands`.
    ComposerRoom(QDialog& dialog, PreviewPane& preview, const std::vector<QWidget*>& commands,
                 Layout layout, int slotsInUse, QSettings& settings);

    QCheckBox& previewToggle() const { return *previewToggle_; }
    bool previewShown() const;

    // The dialog opens: from now on the room follows the window and the slots; once they
    // are filled, fit() sizes the window for the preview shown or hidden.
    void open() { opened_ = true; }
    void fit();
    // The window was resized, or is being hidden.
    void resized();
    void hidden();

  Q_SIGNALS:
    // The user showed or hid the preview.
    void previewToggled(bool shown);

  private:
    // Shows or hides the preview and sizes the dialog to suit.
    void applyPreviewShown(bool shown);
    void fitToScreen();
    // The preview's toggle, the commands and the preview's controls one under the other,
    // for a narrow screen; else side by side.
    void stackPreviewControls(bool stacked);
    // The command bar and the preview's controls under the slots, or back above the
    // preview.
    void placeBarsUnderSlots(bool under);
    void refreshHints();
    QSize screenRoom() const;
    // How large the joined map's picture would be shown in a room of width by height.
    double fittedPictureArea(int width, int height) const;
    QSize openingSize() const;
    // Notes the size the dialog has with the preview shown.
    void rememberSize();
    // Notes where the user left the handle between the slots and the preview, and puts
    // it back there (per layout, beside or under the slots).
    void rememberSplit();
    void placeSplit();

    QDialog& dialog_;
    PreviewPane& preview_;
    const Layout layout_;
    const int slotsInUse_;
    RoomMemory memory_;
    bool opened_ = false;
    SlotsArea* slotsArea_ = nullptr;
    QCheckBox* previewToggle_ = nullptr;
    QSplitter* split_ = nullptr;           // the slots, then the preview with its commands
    QBoxLayout* commandRow_ = nullptr;     // the preview's toggle and the commands
    QWidget* commandBar_ = nullptr;        // holds commandRow_
    QBoxLayout* previewColumn_ = nullptr;  // the command bar, then the preview
    QBoxLayout* underSlots_ = nullptr;     // the bars, where the preview is narrow
    bool barsUnderSlots_ = false;
};

}  // namespace pw::gui
