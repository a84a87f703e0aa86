// SPDX-License-Identifier: GPL-3.0-or-later
// Print... in the composers: Save Map's pipeline with the map in memory and the printing
// as the companion of the joined map.
#include "gui/print/composition_printing.h"

#include <QCoreApplication>
#include <QFile>

#include "gui/common/user_prompts.h"
#include "gui/print/map_printing.h"
#include "render/seam_check.h"

namespace pw::gui {
namespace {

// The pipeline's host for a print: no question, the map joined in memory under its name.
class PrintHost final : public PipelineHost {
  public:
    PrintHost(std::string mapName, UserPrompts& prompts, QWidget& parent)
        : mapName_(std::move(mapName)), prompts_(prompts), parent_(parent) {}

    void showError(const std::string& message) override {
        prompts_.showError(&parent_, QString::fromStdString(message));
    }
    std::string rememberedPath() override { return mapName_; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<SaveTarget> askTarget(const std::string& remembered) override {
        return SaveTarget{remembered, {}, true};
    }
    void reportSuccess(const std::string&) override {}

  private:
    std::string mapName_;
    UserPrompts& prompts_;
    QWidget& parent_;
};

// Prints the joined map once it is written; a print leaves no file to commit.
class PrintCompanion final : public MapCompanion {
  public:
    PrintCompanion(const PictureJob& job, QWidget& parent) : job_(job), parent_(parent) {}

    std::optional<Problem> open(const std::string&) override { return std::nullopt; }
    std::optional<Problem> write(const WrittenMap& map) override {
        std::vector<QPoint> marks;
        if (job_.choice.seamMarks) {
            marks = seamMarksOf(job_.request, job_.legend);
        }
        const JoinedDrawing drawing = joinedDrawing(map, job_.choice, job_.legend, marks);
        return printMapProblem(&parent_, drawing.source, drawing.options,
                               job_.choice.file.print.cellMm);
    }
    std::optional<Problem> commit() override { return std::nullopt; }
    void settle(bool) override {}

  private:
    const PictureJob& job_;
    QWidget& parent_;
};

}  // namespace

void printComposition(const PictureJob& job, const QString& mapName, UserPrompts& prompts,
                      QWidget& parent) {
    const QString named = mapName.isEmpty()
                              ? QCoreApplication::translate("CompositionPrinting", "untitled.map")
                              : mapName;
    PrintHost host(QFile::encodeName(named).toStdString(), prompts, parent);
    PrintCompanion printing(job, parent);
    runSave(job.request, host, openSafeOutput, &printing);
}

}  // namespace pw::gui
