// SPDX-License-Identifier: GPL-3.0-or-later
// The preview pane of a composer dialog.
#pragma once

#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "core/assembly/merge_request.h"
#include "jobs/picture_job.h"
#include "jobs/preview_job.h"
#include "render/legend.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSettings;

namespace pw::gui {

class HoverLine;
class PreviewView;
class PreviewWorker;
class SeamFindings;
class UserPrompts;

// What Save Map would write with the current slots, marks and direction, joined in memory
// and drawn off the GUI thread: a "Show" choice (first grid, second grid or a layer over
// the first grid), labels on or off, the junction fix-up's cells highlighted or not, the
// seam check's marks on or off, the cell and label under the mouse, and "Save Image..."
// (PNG or PDF, as merge --image draws it). With the seam check on, a list under the picture
// holds each cell that does not meet, as `check` prints it: choosing one (Up, Down, Enter
// or a double-click) centres the picture on it and marks it there. Screen readers meet the
// picture as an image whose description says what it shows, the notes and the keys.
class PreviewPane : public QWidget {
    Q_OBJECT

  public:
    PreviewPane(UserPrompts& prompts, QWidget* parent = nullptr);
    ~PreviewPane() override;

    // The map set's colours and meanings; the built-in palette without them. `note` says
    // why a legend was left out, on the note line above the picture.
    void setLegend(std::optional<Legend> legend, const QString& note = QString());
    // Why map-set folders were passed over, each on a line of the note line.
    void setListingNotes(const std::vector<std::string>& notes);
    // Where "Save Image..." suggests its name from: the remembered map file name.
    void setImageNameSource(std::function<QString()> rememberedMap);
    // What "Save Image..." refuses before asking for a name: the damage already found in
    // the chosen panels.
    void setKnownDamageSource(std::function<std::vector<Problem>()> knownDamage);
    // Follows the dialog: a newer request supersedes one still being drawn.
    void showRequest(MergeRequest request);
    // Slots joined with a mark kept from an earlier choice: `note` says so above the
    // picture, and each junction {upper slot, lower slot} that the marks change is
    // marked along its seam. An empty note hides the line.
    void setKeptMarks(const QString& note, std::vector<std::pair<int, int>> junctions);
    // The "Seam check" box as `settings` remember it, and remembered there when it changes.
    void keepSeamCheckIn(QSettings& settings);
    // What the mouse and the keys do, in the line under the picture while the mouse is not
    // over it and in the picture's tooltip: the composer's keys unless a window says its own.
    void setKeysHint(const QString& hint);
    // Stacks the controls above the picture, for a pane with little width.
    void setCompact(bool compact);
    // Lays the bar of controls (Show, Labels, Fix-ups, Seam check, Save Image) into
    // `elsewhere`, such as under a dialog's slots where the pane is narrow; nullptr puts
    // it back above the picture.
    void placeControls(QBoxLayout* elsewhere);

    // What the controls choose (show, labels, fix-ups, seam marks), as the picture of the
    // joined map that Save Image saves; merge --image's defaults for the rest.
    PictureChoice pictureChoice() const;
    // The joined map's picture as Save Image draws it: the request on show, the choice and
    // the legend.
    PictureJob pictureJob() const { return {request_, pictureChoice(), legend_}; }
    // Sets the controls as `choice` asks. A layer the joined map does not offer yet is
    // shown once it does.
    void setPictureChoice(const PictureChoice& choice);

    // The preview on show, and whether it is the one of the latest request.
    const PreviewResult& current() const { return current_; }
    bool upToDate() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QString keysHint() const;
    void submit();
    int longSide() const;
    void showJunctions();
    // The note line: the kept marks' note, the listing's, the legend's and the seam
    // check's, each on a line of its own.
    void showNotes();
    void take(PreviewResult result);
    // Shows `message` instead of a picture, to the eye and to screen readers.
    void showMessage(const QString& message);
    // The picture's description for screen readers: what it shows, the notes, the keys.
    void describePicture();
    // Marks the finding chosen in the list (none: no mark), centred when the user chose it.
    void showFinding(std::optional<QPoint> cell, bool centre);
    void offerLayers(const std::string& letters);
    void describeCell(int column, int row, const QString& label);
    void saveImage();

    UserPrompts& prompts_;
    MergeRequest request_;
    bool requested_ = false;
    std::optional<Legend> legend_;
    QString legendNote_;
    QString seamNote_;
    QString shown_;  // what the picture shows, or why there is none
    QString keptNote_;
    QString keysHint_;  // empty: the composer's
    QStringList listingNotes_;
    PreviewResult current_;
    int submittedLongSide_ = 0;
    std::vector<std::pair<int, int>> keptJunctions_;
    QComboBox* show_ = nullptr;
    QCheckBox* labels_ = nullptr;
    QCheckBox* fixUps_ = nullptr;
    QCheckBox* seamCheck_ = nullptr;
    QCheckBox* grid_ = nullptr;
    std::function<QString()> rememberedMap_;
    std::function<std::vector<Problem>()> knownDamage_;
    QPushButton* saveImage_ = nullptr;
    QBoxLayout* controls_ = nullptr;
    QWidget* controlsBar_ = new QWidget(this);  // holds controls_
    QString awaitedShow_;                       // a setup's layer, shown once a join offers it
    QBoxLayout* column_ = nullptr;
    QLabel* note_ = nullptr;
    PreviewView* view_ = nullptr;
    SeamFindings* findings_ = nullptr;
    HoverLine* status_ = nullptr;
    std::unique_ptr<PreviewWorker> worker_;  // last: stops before the rest goes
};

}  // namespace pw::gui
