#include "render/image_file.h"

#include <QImageWriter>
#include <QSaveFile>

#include "core/common/messages.h"

namespace pw {

std::optional<Problem> writePngFile(const QImage& image, const QString& path) {
    auto failure = [&path](const QString& reason) {
        return Problem{messages::unableToWriteImage(path.toStdString(), reason.toStdString())};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file.errorString());
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        // A failed device write says more than the writer's own message.
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) {
        return failure(file.errorString());
    }
    return std::nullopt;
}

}  // namespace pw
