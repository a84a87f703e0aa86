// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's choices (picture_choices.tsv): what each option's word reads as or why it is
// refused, what a setup's picture asks for and keeps when written back, and what Save
// Setup keeps of the preview's choices.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "core/setup/setup_file.h"
#include "jobs/picture_rules.h"
#include "jobs/setup_picture.h"
#include "test_support.h"

namespace {

// "SHOW LABELS [seams] [fix-ups] [seam-marks] [grid] scale=N FORMAT[!] dpi=N/N PAPER MMmm
// [panel=LxH]": ! for a format given, the dpi of a PNG and of a PDF's overview.
std::string told(const pw::PictureChoice& choice) {
    std::string text =
        pw::showWord(choice.section, choice.layer) + " " + pw::labelsWord(choice.labels) +
        (choice.seams ? " seams" : "") + (choice.fixUps ? " fix-ups" : "") +
        (choice.seamMarks ? " seam-marks" : "") + (choice.grid ? " grid" : "") +
        " scale=" + std::to_string(choice.scale) + " " + pw::formatWord(choice.file.format) +
        (choice.formatGiven ? "!" : "") + " dpi=" + std::to_string(choice.file.dpi) + "/" +
        std::to_string(choice.file.print.dpi) + " " + pw::paperWord(choice.file.print.paper) + " " +
        QString::number(choice.file.print.cellMm).toStdString() + "mm";
    if (choice.panelLength != 0 || choice.panelHeight != 0) {
        text += " panel=" + std::to_string(choice.panelLength) + "x" +
                std::to_string(choice.panelHeight);
    }
    return text;
}

// A setup of two empty slots whose picture is the JSON object `picture`.
pw::Setup setupWith(const std::string& picture) {
    const pw::ReadSetup read = pw::parseSetup(
        QByteArray::fromStdString(R"({"format": 1, "layout": "end-to-end", "slots": [{"mark":)"
                                  R"( "none"}, {"mark": "none"}], "picture": )" +
                                  picture + "}"),
        "s.pwsetup");
    EXPECT_TRUE(read.setup) << picture << ": " << (read.problem ? read.problem->message : "");
    return read.setup.value_or(pw::Setup{});
}

// The picture object a setup file writes for `setup`, compact.
std::string pictureWritten(const pw::Setup& setup) {
    const QJsonObject written = QJsonDocument::fromJson(pw::setupJson(setup)).object();
    return QJsonDocument(written.value("picture").toObject())
        .toJson(QJsonDocument::Compact)
        .toStdString();
}

const std::pair<const char*, pw::PictureOption> kOptions[] = {
    {"show", pw::PictureOption::Show},     {"scale", pw::PictureOption::Scale},
    {"dpi", pw::PictureOption::Dpi},       {"format", pw::PictureOption::Format},
    {"paper", pw::PictureOption::Paper},   {"cell-mm", pw::PictureOption::CellMm},
    {"labels", pw::PictureOption::Labels}, {"panel", pw::PictureOption::Panel},
};

class PictureChoices : public testing::TestWithParam<pw::test::TableRow> {};

TEST_P(PictureChoices, ReadAndWriteAsTheTableSays) {
    const pw::test::TableRow& row = GetParam();
    const std::string& kind = row.at(0);
    if (kind == "option") {
        const std::vector<std::string> words = pw::test::words(row.at(1));
        const auto* option =
            std::find_if(std::begin(kOptions), std::end(kOptions),
                         [&](const auto& named) { return words.at(0) == named.first; });
        ASSERT_NE(option, std::end(kOptions));
        pw::PictureChoice choice = pw::joinedMapPicture();
        const std::optional<pw::Problem> problem =
            pw::readPictureOption(option->second, QString::fromStdString(words.at(1)), choice);
        EXPECT_EQ(problem ? problem->message : told(choice), row.at(2));
        if (problem) {
            EXPECT_EQ(told(choice), told(pw::joinedMapPicture())) << "kept as it was";
        }
    } else if (kind == "setup") {
        pw::Setup setup = setupWith(row.at(1));
        const pw::SetupPicture read = pw::pictureChoiceOfSetup(setup.pictureOptions, setup.picture);
        EXPECT_EQ(told(read.choice), row.at(2));
        EXPECT_EQ(read.problem ? read.problem->message : "-", row.at(3));
        setup.pictureOptions = pw::setupPictureOptionsOf(read.choice);
        EXPECT_EQ(pictureWritten(setup), row.at(4));
    } else {
        ASSERT_EQ(kind, "shown");
        pw::Setup kept = setupWith(row.at(1));
        const pw::Setup shown = setupWith(row.at(2));
        kept.pictureOptions = pw::withShownChoices(
            kept.pictureOptions,
            pw::pictureChoiceOfSetup(shown.pictureOptions, shown.picture).choice);
        EXPECT_EQ(pictureWritten(kept), row.at(3));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PictureChoices,
                         testing::ValuesIn(pw::test::readRows(PANELWRIGHT_TEST_DATA
                                                              "/picture_choices.tsv")),
                         pw::test::RowNamer());

}  // namespace
