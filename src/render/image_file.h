#pragma once

#include <QImage>
#include <QString>
#include <string>

namespace pw {

// Writes `image` as a PNG file at `path`, replacing it only once the whole image is
// written, so that a failure leaves no partial file. Returns an empty text on success,
// else "ERROR: unable to write image <path>: <reason>".
std::string writePngFile(const QImage& image, const QString& path);

}  // namespace pw
