#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "core/common/problem.h"

namespace pw {

// Writes `image` as a PNG file at `path`, replacing it only once the whole image is
// written, so that a failure leaves no partial file. The problem when it cannot be written.
std::optional<Problem> writePngFile(const QImage& image, const QString& path);

}  // namespace pw
