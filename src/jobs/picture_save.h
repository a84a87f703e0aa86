// SPDX-License-Identifier: GPL-3.0-or-later
// The picture saved with a joined map: drawn from the map as written, committed with it.
#pragma once

#include <QPoint>
#include <optional>
#include <string>
#include <vector>

#include "core/pipeline/save_pipeline.h"
#include "jobs/picture_choice.h"
#include "render/legend.h"
#include "render/map_source.h"
#include "render/render_options.h"

namespace pw {

// What render draws of a joined map just written, as `choice` asks: where it reads the map,
// and the options with `legend`'s colours, the join's seams and fix-ups and `seamMarks`.
struct JoinedDrawing {
    MapSource source;
    RenderOptions options;
};
JoinedDrawing joinedDrawing(const WrittenMap& map, const PictureChoice& choice,
                            const std::optional<Legend>& legend, std::vector<QPoint> seamMarks);

// The picture of the map being saved (merge --image, a setup's picture, Save Image), drawn
// from the map as written and committed only together with it: as `choice` asks, in
// `legend`'s colours, with `seamMarks` marked. The seams fall between the joined panels.
class PictureSave final : public MapCompanion {
  public:
    PictureSave(PictureChoice choice, std::optional<Legend> legend,
                std::vector<QPoint> seamMarks = {}, OutputOpener openOutput = openSafeOutput);

    // How messages name the picture: escaped as given unless the caller names it otherwise
    // (a setup's picture, named as the setup names it).
    void nameInMessages(std::string shown) { shownName_ = std::move(shown); }

    // Refuses a name of another kind of file unless the choice gives the format.
    std::optional<Problem> open(const std::string& path) override;
    std::optional<Problem> write(const WrittenMap& map) override;
    std::optional<Problem> commit() override;
    void settle(bool mapCommitted) override;

  private:
    PictureChoice choice_;
    std::optional<Legend> legend_;
    std::vector<QPoint> seamMarks_;
    OutputOpener openOutput_;
    std::string shownName_;
    std::string name_;  // as messages name it, once open
    PictureFormat format_ = PictureFormat::Png;
    OpenedOutput opened_;
};

}  // namespace pw
