// SPDX-License-Identifier: GPL-3.0-or-later
// How a picture file of a map is chosen, written and saved: PNG or PDF.
#pragma once

#include <optional>
#include <string>

#include "core/output/output_file.h"
#include "core/output/safe_output.h"
#include "render/map_source.h"
#include "render/print_layout.h"
#include "render/render_options.h"

namespace pw {

enum class PictureFormat { Png, Pdf };

// How a picture file is written: PNG (`dpi` stored as its resolution, 0 for none) or PDF
// split across sheets (`print`).
struct PictureFileOptions {
    PictureFormat format = PictureFormat::Png;
    int dpi = 0;
    PrintOptions print;
};

// The longest side of a PNG picture, in pixels: beyond it many viewers and image libraries
// refuse the file, so a picture that would be larger is refused before it is drawn.
inline constexpr int kMostPictureSide = 65535;

// PDF for a name ending in ".pdf", PNG for ".png" or no suffix (any case); nullopt for
// any other suffix, which would name a file of another kind.
std::optional<PictureFormat> formatForName(const std::string& path);

// Draws the map into `output` band by band; nothing is committed. `outputName` names the
// picture in messages. The "ERROR ..." message of a failure: the map's, or "unable to
// write file" with the output's or the encoder's reason.
std::optional<Problem> writePicture(const MapSource& source, const RenderOptions& options,
                                    const PictureFileOptions& file, OutputFile& output,
                                    const std::string& outputName);

// The same through a safe save at `path`: the file is replaced only once the picture is
// complete on disk; on any failure an earlier file there is kept whole.
std::optional<Problem> savePicture(const MapSource& source, const RenderOptions& options,
                                   const PictureFileOptions& file, const std::string& path,
                                   const OutputOpener& openOutput = openSafeOutput);

}  // namespace pw
