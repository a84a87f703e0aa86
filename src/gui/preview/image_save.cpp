// SPDX-License-Identifier: GPL-3.0-or-later
// "Save Image...": the prompt for the picture's name, as Save Map's pipeline asks it.
#include "gui/preview/image_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "gui/common/dialog_texts.h"
#include "gui/common/user_prompts.h"

namespace pw::gui {
namespace {

// `path` with its suffix (if any) replaced: big.map suggests big.png.
QString withSuffix(const QString& path, const QString& suffix) {
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + suffix);
}

// Save Map's host for a picture alone: the prompt asks for the picture's name, and the map
// is joined in memory, named as the remembered map file or after the picture.
class ImageSaveHost final : public PipelineHost {
  public:
    ImageSaveHost(QString rememberedMap, UserPrompts& prompts, QWidget& parent,
                  std::vector<Problem> knownDamage)
        : rememberedMap_(std::move(rememberedMap)),
          prompts_(prompts),
          parent_(parent),
          knownDamage_(std::move(knownDamage)) {}

    void showError(const std::string& message) override {
        prompts_.showError(&parent_, QString::fromStdString(message));
    }
    std::string rememberedPath() override {
        return QFile::encodeName(rememberedMap_).toStdString();
    }
    // Only a map written to a file is remembered, and this one is not.
    void storeRememberedPath(const std::string&) override {}
    std::optional<SaveTarget> askTarget(const std::string& remembered) override {
        const QString map = QFile::decodeName(QByteArray::fromStdString(remembered));
        const std::optional<std::pair<QString, bool>> answer = prompts_.askImagePath(
            &parent_, map.isEmpty() ? QString() : withSuffix(map, QStringLiteral(".png")));
        if (!answer) {
            return std::nullopt;
        }
        QString picture = answer->first;
        if (QFileInfo(picture).suffix().isEmpty()) {
            picture += answer->second ? QStringLiteral(".pdf") : QStringLiteral(".png");
        }
        const QString named = map.isEmpty() ? withSuffix(picture, QStringLiteral(".map")) : map;
        return SaveTarget{QFile::encodeName(named).toStdString(),
                          QFile::encodeName(picture).toStdString(), true};
    }
    void reportSuccess(const std::string&) override {
        prompts_.showMessage(&parent_, DialogTexts::imageCreated());
    }
    std::vector<Problem> knownDamage() override { return knownDamage_; }

  private:
    QString rememberedMap_;
    UserPrompts& prompts_;
    QWidget& parent_;
    std::vector<Problem> knownDamage_;
};

}  // namespace

void saveImageOf(const PictureJob& job, const QString& rememberedMap, UserPrompts& prompts,
                 QWidget& parent, std::vector<Problem> knownDamage) {
    ImageSaveHost host(rememberedMap, prompts, parent, std::move(knownDamage));
    saveJoinedPicture(job, host);
}

}  // namespace pw::gui
