#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>

#include "render/cell_index.h"
#include "render/picture_file.h"
#include "render/map_renderer.h"
#include "render/palette.h"
#include "test_support.h"

// 4 by 3 cells, layer "b" only, one label at cell (1, 1); the second row is short. Too
// small for the compass mark.
const std::string kMap =
    "1\r\n4 3 99\r\nvalues\r\n2 4\r\n^^~~\r\n.\r\n~~^^\r\n"
    "1234\r\n5678\r\n9012\r\nb\r\nQ  Q\r\n    \r\n Q  \r\nx\r\n1 1 Hill\r\n";
constexpr int kCell = 8;

static QRgb cellColour(const QImage& image, int column, int row) {
    return image.pixel(column * kCell + kCell / 2, row * kCell + kCell / 2);
}

static pw::RenderResult render(const std::string& bytes, pw::RenderOptions options) {
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.file("m.map"), bytes);
    options.cellSize = kCell;
    return pw::renderMap(pw::MapSource::file(folder.file("m.map")), options);
}

TEST(Render, CellsTakeLegendOrPaletteColoursAndShortRowsStayBlank) {
    pw::RenderOptions options;
    options.labels = false;
    options.legend = pw::Legend::parse("# water\n~ #0000ff water\nnot an entry\n~ red again\n");
    const pw::RenderResult result = render(kMap, options);
    EXPECT_EQ(result.direction, 2);
    EXPECT_EQ(cellColour(result.image, 2, 0), 0xff0000ffU);
    EXPECT_EQ(cellColour(result.image, 0, 0), pw::builtInPalette()['^']);
    EXPECT_EQ(cellColour(result.image, 1, 1), pw::kBackgroundColour);
    options.section = pw::RenderSection::SecondGrid;
    EXPECT_EQ(cellColour(render(kMap, options).image, 3, 2), pw::builtInPalette()['2']);
    options.section = pw::RenderSection::Layer;
    options.layer = 'b';
    EXPECT_EQ(cellColour(render(kMap, options).image, 3, 0), pw::builtInPalette()['Q']);
}

TEST(Render, LabelsSeamsAndHighlightsMarkTheirPlacesAndPngIsWrittenWholeOrNotAtAll) {
    pw::RenderOptions options;
    const QImage plain = render(kMap, options).image;
    pw::test::TempFolder folder;
    EXPECT_NE(plain.pixel(kCell + 1, kCell + 1), pw::kBackgroundColour);  // the label at (1, 1)
    options.labels = false;
    options.panelLength = 2;
    options.highlights = {QPoint(0, 2), QPoint(40, 40)};
    const QImage marked = render(kMap, options).image;
    EXPECT_NE(marked.pixel(2 * kCell, 2), plain.pixel(2 * kCell, 2));  // the seam
    EXPECT_NE(cellColour(marked, 0, 2), cellColour(plain, 0, 2));
}

TEST(Render, DamagedMapsGiveAnErrorOrDrawWhatTheyHold) {
    for (const std::string& bytes :
         {std::string(), std::string("1\n4 x\n"), std::string("1\n9999 3 0\n")}) {
        const pw::RenderResult result = render(bytes, {});
        EXPECT_TRUE(result.error->starts_with("ERROR: file ") && result.image.isNull()) << bytes;
    }
    for (const std::string& bytes :
         {kMap.substr(0, 40), std::string("1\n3 2 0\n\n\nb\n") + std::string(5000, '~')}) {
        const pw::RenderResult result = render(bytes, {});
        EXPECT_TRUE(!result.error && !result.image.isNull()) << bytes;
    }
}

TEST(Render, CellIndexAnswersEverySectionOfACell) {
    const pw::CellIndex index(QByteArray::fromStdString(kMap));
    const pw::CellContents cell = index.at(3, 0);
    EXPECT_EQ(std::string() + cell.first + cell.second + cell.layerLetters + cell.layerCells,
              "~4bQ");
    EXPECT_EQ(index.at(2, 1).first, ' ');
    EXPECT_FALSE(pw::CellIndex(QByteArray("1\nnone\n")).isValid());
}

// The command line draws a map file, and a merge's joined map, as the renderer does.
TEST(Render, CommandLinePicturesDecodeToTheMapsCellsAndLabels) {
    pw::test::TempFolder folder;
    // 4 by 8 cells: a label in the top left corner, water far below it.
    const auto rows = [](int count, const char* row) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += std::string(row) + "\r\n";
        }
        return text;
    };
    pw::test::writeFile(folder.file("AB-01.map"), "1\r\n4 8 99\r\nvalues\r\n0 4\r\n" +
                                                      rows(5, "....") + rows(3, "~~~~") +
                                                      rows(8, "....") + "x\r\n0.5 0.5 Hill\r\n");
    pw::test::writeFile(folder.file("legend.txt"), "~ #0000ff water\n");
    const auto run = [&](const QStringList& arguments) {
        QProcess cli;
        cli.setWorkingDirectory(QString::fromStdString(folder.path().string()));
        cli.start(QStringLiteral(PANELWRIGHT_CLI), arguments);
        cli.waitForFinished();
        return cli.exitCode();
    };
    ASSERT_EQ(run({"render", "--labels", "--scale", "8", "--output", "one.png", "AB-01.map"}), 0);
    const QImage one(QString::fromStdString(folder.file("one.png")));
    EXPECT_EQ(one.size(), QSize(4 * kCell, 8 * kCell));
    EXPECT_EQ(cellColour(one, 3, 7), 0xff0000ffU);
    EXPECT_EQ(cellColour(one, 3, 4), pw::builtInPalette()['.']);
    EXPECT_NE(one.pixel(kCell / 2, kCell / 2), pw::builtInPalette()['.']);  // the label's dot
    ASSERT_EQ(run({"merge", "--layout", "end-to-end", "--image", "two.png", "--output", "two.map",
                   "AB-01.map", "AB-01.map"}),
              0);
    const QImage two(QString::fromStdString(folder.file("two.png")));
    EXPECT_EQ(two.size(), QSize(8 * 4, 8 * 4));  // eight by eight cells of four pixels
    EXPECT_EQ(two.pixel(6 * 4 + 2, 7 * 4 + 2), 0xff0000ffU);  // the second panel's water
    EXPECT_EQ(run({"render", "--output", "no/such/folder.png", "AB-01.map"}), 1);
    EXPECT_EQ(run({"render", "--scale", "0", "--output", "x.png", "AB-01.map"}), 2);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // also when the tests are only being listed
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
