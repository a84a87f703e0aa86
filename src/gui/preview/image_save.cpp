// SPDX-License-Identifier: GPL-3.0-or-later
// Save Image: the preview's picture written through Save Map's steps.
#include "gui/preview/image_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/output/memory_output.h"
#include "core/pipeline/save_pipeline.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/user_prompts.h"
#include "render/picture_companion.h"
#include "render/picture_messages.h"
#include "render/seam_check.h"

namespace pw::gui {
namespace {

// `path` with its suffix (if any) replaced: big.map suggests big.png.
QString withSuffix(const QString& path, const QString& suffix) {
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + suffix);
}

// Save Map's host for a picture: the prompt asks for the picture's name and hands the
// pipeline the map's, and the picture is the companion the map is drawn into.
class ImageSaveHost final : public PipelineHost, public MapCompanion {
  public:
    ImageSaveHost(const ImageChoice& choice, UserPrompts& prompts, QWidget& parent)
        : choice_(choice), prompts_(prompts), parent_(parent) {}

    void showError(const std::string& message) override {
        prompts_.showError(&parent_, QString::fromStdString(message));
    }
    std::string rememberedPath() override { return {}; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<std::string> askOutputPath(const std::string&) override {
        const QString remembered = choice_.rememberedMap;
        const std::optional<std::pair<QString, bool>> answer = prompts_.askImagePath(
            &parent_,
            remembered.isEmpty() ? QString() : withSuffix(remembered, QStringLiteral(".png")));
        if (!answer) {
            return std::nullopt;
        }
        QString path = answer->first;
        if (QFileInfo(path).suffix().isEmpty()) {
            path += answer->second ? QStringLiteral(".pdf") : QStringLiteral(".png");
        }
        const std::string name = QFile::encodeName(path).toStdString();
        const std::optional<PictureFormat> format = formatForName(name);
        if (!format) {
            showError(
                messages::unableToCreate(escapedName(name), PictureMessages::notAPictureName()));
            return std::nullopt;
        }
        PictureFileOptions file;
        file.format = *format;
        picture_ = std::make_unique<PictureCompanion>(name, choice_.options, file, choice_.fixUps);
        const QString map =
            remembered.isEmpty() ? withSuffix(path, QStringLiteral(".map")) : remembered;
        return QFile::encodeName(map).toStdString();
    }
    void reportSuccess(const std::string&) override {
        prompts_.showMessage(&parent_, DialogTexts::imageCreated());
    }

    std::optional<Problem> open() override { return picture_->open(); }
    std::optional<Problem> write(const WrittenMap& map) override { return picture_->write(map); }
    std::optional<Problem> commit() override { return picture_->commit(); }
    void settle(bool mapCommitted) override { picture_->settle(mapCommitted); }

  private:
    const ImageChoice& choice_;
    UserPrompts& prompts_;
    QWidget& parent_;
    std::unique_ptr<PictureCompanion> picture_;  // once its name is known
};

}  // namespace

void saveImageOf(const MergeRequest& request, const ImageChoice& choice, UserPrompts& prompts,
                 QWidget& parent) {
    ImageChoice drawn = choice;
    if (choice.seamMarks) {
        drawn.options.seamMarks = seamMarksOf(request, choice.options.legend);
    }
    ImageSaveHost host(drawn, prompts, parent);
    const auto inMemory = [](const std::string&) {
        return OpenedOutput{std::make_unique<MemoryOutput>(), {}};
    };
    runSave(request, host, inMemory, &host);
}

}  // namespace pw::gui
