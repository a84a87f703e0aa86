#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "core/assembly/merge_request.h"
#include "gui/preview/preview_job.h"
#include "render/legend.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace pw::gui {

class PreviewView;
class PreviewWorker;
class UserPrompts;

// What Save Map would write with the current slots, marks and direction, joined in memory
// and drawn off the GUI thread: a "Show" choice (first grid, second grid or a layer over
// the first grid), labels on or off, the junction fix-up's cells highlighted or not, the
// cell under the mouse, and "Save Image..." (PNG or PDF, as merge --image draws it).
class PreviewPane : public QWidget {
    Q_OBJECT

  public:
    PreviewPane(UserPrompts& prompts, QWidget* parent = nullptr);
    ~PreviewPane() override;

    // The map set's colours and meanings; the built-in palette without them.
    void setLegend(std::optional<Legend> legend);
    // Where "Save Image..." suggests its name from: the remembered map file name.
    void setImageNameSource(std::function<QString()> rememberedMap);
    // Follows the dialog: a newer request supersedes one still being drawn.
    void showRequest(MergeRequest request);

    // The preview on show, and whether it is the one of the latest request.
    const PreviewResult& current() const { return current_; }
    bool upToDate() const;

  private:
    void submit();
    void take(PreviewResult result);
    void offerLayers(const std::string& letters);
    void describeCell(int column, int row);
    void saveImage();

    UserPrompts& prompts_;
    MergeRequest request_;
    bool requested_ = false;
    std::optional<Legend> legend_;
    PreviewResult current_;
    QComboBox* show_ = nullptr;
    QCheckBox* labels_ = nullptr;
    QCheckBox* fixUps_ = nullptr;
    std::function<QString()> rememberedMap_;
    QPushButton* saveImage_ = nullptr;
    PreviewView* view_ = nullptr;
    QLabel* status_ = nullptr;
    std::unique_ptr<PreviewWorker> worker_;  // last: stops before the rest goes
};

}  // namespace pw::gui
