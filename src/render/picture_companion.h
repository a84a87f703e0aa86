// SPDX-License-Identifier: GPL-3.0-or-later
// PictureCompanion: the picture saved beside a merged map.
#pragma once

#include "core/pipeline/save_pipeline.h"
#include "render/picture_file.h"

namespace pw {

// merge --image: the picture of the map being saved, drawn from the map as written and
// committed only together with it. The seams fall between the joined panels; with
// `showFixUps` the cells that the junction fix-up changed are highlighted.
class PictureCompanion : public MapCompanion {
  public:
    PictureCompanion(std::string path, RenderOptions options, PictureFileOptions file,
                     bool showFixUps, OutputOpener openOutput = openSafeOutput);

    // How messages name the picture: escaped as given unless the caller names it otherwise
    // (a setup's picture, named as the setup names it).
    void nameInMessages(std::string shown) { name_ = std::move(shown); }

    std::optional<Problem> open() override;
    std::optional<Problem> write(const WrittenMap& map) override;
    std::optional<Problem> commit() override;
    void settle(bool mapCommitted) override;

  private:
    std::string path_;
    std::string name_;
    RenderOptions options_;
    PictureFileOptions file_;
    bool showFixUps_;
    OutputOpener openOutput_;
    OpenedOutput opened_;
};

}  // namespace pw
