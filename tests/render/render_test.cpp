#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>

#include "render/cell_index.h"
#include "render/label_placement.h"
#include "render/map_renderer.h"
#include "render/palette.h"
#include "render/picture_companion.h"
#include "render/picture_file.h"
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

// Labels placed at a scale: '+' for a label drawn with its text, '.' for one whose text
// would overlap an earlier one and shows only its dot; labels off the picture not at all.
struct Placement {
    std::vector<pw::MapLabel> labels;
    double pixelsPerCell;
    QSizeF picture;
    pw::LabelOverlap overlap;
    std::string drawn;
};

class LabelPlacement : public testing::TestWithParam<Placement> {};

TEST_P(LabelPlacement, KeepsTheEarlierOfOverlappingTextsAndEveryTextInsideThePicture) {
    const Placement& the = GetParam();
    const auto placed = pw::placeLabels(the.labels, the.pixelsPerCell, the.picture,
                                        pw::mapLabelFont(the.pixelsPerCell, 9, 28), the.overlap);
    std::string drawn;
    for (const pw::PlacedLabel& label : placed) {
        drawn += label.box.isEmpty() ? '.' : '+';
        EXPECT_TRUE(label.box.isEmpty() || QRectF(QPointF(), the.picture).contains(label.box))
            << label.text.toStdString();
    }
    EXPECT_EQ(drawn, the.drawn);
    if (placed.size() == 2 && the.overlap == pw::LabelOverlap::LeaveOut) {
        // The mouse on a text names its label, on a dot the dot's.
        EXPECT_EQ(pw::labelAt(placed, placed[0].box.center())->index, 0U);
        EXPECT_EQ(pw::labelAt(placed, placed[1].dot.center())->index, 1U);
    }
}

const std::vector<pw::MapLabel> kSameSpot = {{2, 2, "Ashwood"}, {2, 2, "Thornwick"}};
const std::vector<pw::MapLabel> kNear = {{1, 1, "Ridge Top"}, {2, 1.3F, "Redhollow"}};

INSTANTIATE_TEST_SUITE_P(
    Render, LabelPlacement,
    testing::Values(Placement{kSameSpot, 8, {200, 100}, pw::LabelOverlap::LeaveOut, "+."},
                    Placement{kSameSpot, 8, {200, 100}, pw::LabelOverlap::DrawAll, "++"},
                    Placement{kNear, 4, {400, 400}, pw::LabelOverlap::LeaveOut, "+."},
                    Placement{
                        kNear, 200, {4000, 4000}, pw::LabelOverlap::LeaveOut, "++"},  // zoomed in
                    Placement{{{19.5F, 0, "Redhollow Ridge Top"}, {0, 5, "Ridge"}},
                              8,
                              {160, 40},
                              pw::LabelOverlap::LeaveOut,
                              "++"},  // moved left of its dot, and down
                    Placement{{{1, 1, "A label far wider than the whole picture"}, {9, 9, "Off"}},
                              8,
                              {40, 40},
                              pw::LabelOverlap::LeaveOut,
                              "+"},
                    Placement{{{1, 1, "Ash"}, {1.5F, 1, "Thorn"}, {30, 30, "Far"}},
                              8,
                              {400, 400},
                              pw::LabelOverlap::LeaveOut,
                              "+.+"}));

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
    pw::test::writeFile(folder.file("AB-01.map"),
                        "1\r\n4 8 99\r\nvalues\r\n0 4\r\n" + rows(5, "....") + rows(3, "~~~~") +
                            rows(8, "....") + "x\r\n0.5 0.5 Hill\r\n0.6 0.6 Hill Top\r\n");
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
    // The second label's text overlaps the first's: drawn only when all are asked for.
    ASSERT_EQ(
        run({"render", "--labels", "all", "--scale", "8", "--output", "all.png", "AB-01.map"}), 0);
    EXPECT_NE(QImage(QString::fromStdString(folder.file("all.png"))), one);
    ASSERT_EQ(run({"merge", "--layout", "end-to-end", "--image", "two.png", "--output", "two.map",
                   "AB-01.map", "AB-01.map"}),
              0);
    const QImage two(QString::fromStdString(folder.file("two.png")));
    EXPECT_EQ(two.size(), QSize(8 * 4, 8 * 4));               // eight by eight cells of four pixels
    EXPECT_EQ(two.pixel(6 * 4 + 2, 7 * 4 + 2), 0xff0000ffU);  // the second panel's water
    EXPECT_EQ(run({"render", "--output", "no/such/folder.png", "AB-01.map"}), 1);
    EXPECT_EQ(run({"render", "--scale", "0", "--output", "x.png", "AB-01.map"}), 2);
}

// A map of 40 by 30 cells with terrain in stripes, layer "b" and labels near band edges.
std::string stripedMap() {
    std::string rows;
    for (int grid = 0; grid < 2; ++grid) {
        for (int y = 0; y < 30; ++y) {
            std::string row;
            for (int x = 0; x < 40; ++x) {
                row += ".,T^~=#"[(x / 3 + y / 2 + grid) % 7];
            }
            rows += row + "\r\n";
        }
    }
    rows += "b\r\n";
    for (int y = 0; y < 30; ++y) {
        rows += (y % 4 == 0 ? std::string(40, 'Q') : std::string(40, ' ')) + "\r\n";
    }
    return "1\r\n40 30 99\r\nvalues\r\n3 4\r\n" + rows +
           "x\r\n2 3.9 Northfold\r\n30.5 16 Marsh End\r\n12 29.6 Low Ford\r\n";
}

// A picture drawn in bands of any height, or across sheets, is the whole picture.
struct BandCase {
    int cellSize;
    int bandHeight;
    pw::RenderSection section;
};

class Bands : public testing::TestWithParam<BandCase> {};

TEST_P(Bands, OfAnyHeightMakeTheWholePicturePixelForPixel) {
    pw::RenderOptions options;
    options.cellSize = GetParam().cellSize;
    options.section = GetParam().section;
    options.layer = 'b';
    options.panelLength = 20;
    options.panelHeight = 15;
    options.highlights = {QPoint(0, 0), QPoint(19, 14), QPoint(39, 29)};
    const pw::MapSource source = pw::MapSource::bytes(QByteArray::fromStdString(stripedMap()), "m");
    const QImage whole = pw::renderMap(source, options).image;
    ASSERT_EQ(whole.size(), QSize(40, 30) * options.cellSize);
    pw::PictureDrawer drawer(source, options, pw::readOutline(source, options));
    QImage band(whole.width(), GetParam().bandHeight, QImage::Format_RGB32);
    for (int top = 0; top < whole.height(); top += band.height()) {
        const int rows = std::min(band.height(), whole.height() - top);
        drawer.drawBand(band, rows);
        ASSERT_EQ(band.copy(0, 0, band.width(), rows), whole.copy(0, top, band.width(), rows))
            << "band at " << top;
    }
    // A printed sheet's window: cells 5 to 15 of rows 3 to 9, from rows kept in memory.
    pw::CellRowStream stream(source, options, 40);
    std::vector<std::pair<std::string, std::string>> rows(10);
    for (auto& [grid, layer] : rows) {
        stream.next(grid, layer);
    }
    rows.erase(rows.begin(), rows.begin() + 3);
    const QRect cells(5, 3, 11, 7);
    QImage window(cells.size() * options.cellSize, QImage::Format_RGB32);
    drawer.drawCells(window, rows, cells.top(), cells.left());
    EXPECT_EQ(window, whole.copy(QRect(cells.topLeft() * options.cellSize, window.size())));
}

INSTANTIATE_TEST_SUITE_P(Heights, Bands,
                         testing::Values(BandCase{1, 1, pw::RenderSection::FirstGrid},
                                         BandCase{1, 7, pw::RenderSection::Layer},
                                         BandCase{3, 5, pw::RenderSection::SecondGrid},
                                         BandCase{8, 13, pw::RenderSection::Layer},
                                         BandCase{8, 64, pw::RenderSection::FirstGrid},
                                         BandCase{16, 100, pw::RenderSection::FirstGrid}),
                         [](const auto& named) {
                             return "cell" + std::to_string(named.param.cellSize) + "band" +
                                    std::to_string(named.param.bandHeight);
                         });

// Collects a file in memory.
struct MemoryOutput : pw::OutputFile {
    bool write(const char* data, std::size_t size) override {
        bytes.append(data, size);
        return true;
    }
    bool commit() override { return true; }
    std::string errorString() const override { return {}; }
    std::string bytes;
};

// PNG files decode to the picture drawn whole: a palette where the colours fit, RGB
// otherwise, with the resolution asked for.
struct PngCase {
    std::string map;
    bool labels;
    int dpi;
    QImage::Format format;
    int dotsPerMeter;
    int bitDepth;  // as the file's header gives it
};

class Png : public testing::TestWithParam<PngCase> {};

TEST_P(Png, DecodesToThePictureDrawnWhole) {
    pw::RenderOptions options;
    options.cellSize = 4;
    options.labels = GetParam().labels;
    options.compass = false;
    const pw::MapSource source =
        pw::MapSource::bytes(QByteArray::fromStdString(GetParam().map), "m");
    MemoryOutput output;
    pw::PictureFileOptions file;
    file.dpi = GetParam().dpi;
    ASSERT_EQ(pw::writePicture(source, options, file, output, "out.png"), std::nullopt);
    const QImage decoded = QImage::fromData(QByteArray::fromStdString(output.bytes), "PNG");
    EXPECT_EQ(decoded.format(), GetParam().format);
    EXPECT_EQ(decoded.dotsPerMeterX(), GetParam().dotsPerMeter);
    EXPECT_EQ(static_cast<int>(output.bytes.at(24)), GetParam().bitDepth);
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), pw::renderMap(source, options).image);
}

INSTANTIATE_TEST_SUITE_P(Files, Png,
                         testing::Values(
                             // seven colours of terrain: four bits a pixel
                             PngCase{stripedMap(), false, 0, QImage::Format_Indexed8, 3780, 4},
                             PngCase{stripedMap(), false, 254, QImage::Format_Indexed8, 10000, 4},
                             PngCase{stripedMap(), true, 0, QImage::Format_RGB32, 3780, 8},
                             // water and a blank row: two colours, one bit a pixel
                             PngCase{"1\r\n4 2 0\r\nv\r\n0\r\n~~~~\r\n", false, 0,
                                     QImage::Format_Mono, 3780, 1},
                             // four colours, two bits
                             PngCase{"1\r\n4 2 0\r\nv\r\n0\r\n~~~~\r\n~^.,\r\n", false, 0,
                                     QImage::Format_Indexed8, 3780, 2}),
                         [](const auto& named) { return "row" + std::to_string(named.index + 1); });

// Sheets: the orientation that needs fewer, as many whole cells as fit in the margins, and
// the PDF holding the overview and every sheet at the paper's size.
struct SheetCase {
    int length;
    int height;
    pw::Paper paper;
    double cellMm;
    bool landscape;
    int columns;
    int rows;
    const char* summary;
};

class Sheets : public testing::TestWithParam<SheetCase> {};

TEST_P(Sheets, SplitTheMapAndArePrinted) {
    const SheetCase& test = GetParam();
    const pw::PrintOptions print{test.paper, test.cellMm, 50};
    const std::optional<pw::PageGrid> grid = pw::layoutPages(test.length, test.height, print);
    ASSERT_TRUE(grid.has_value());
    EXPECT_EQ(std::vector<int>({grid->landscape, grid->columns, grid->rows}),
              std::vector<int>({test.landscape, test.columns, test.rows}));
    // The last sheet of each row and column reaches the map's edge, and sheets overlap.
    const QRect last = grid->cellsOf(grid->rows - 1, grid->columns - 1, test.length, test.height);
    EXPECT_EQ(std::vector<int>({last.right() + 1, last.bottom() + 1}),
              std::vector<int>({test.length, test.height}));
    std::string rows;
    for (int y = 0; y < test.height; ++y) {
        rows += std::string(static_cast<std::size_t>(test.length), '~') + "\r\n";
    }
    const std::string map = "1\r\n" + std::to_string(test.length) + " " +
                            std::to_string(test.height) + " 0\r\nv\r\n0\r\n" + rows + rows;
    MemoryOutput output;
    const pw::PictureFileOptions file{pw::PictureFormat::Pdf, 0, print};
    ASSERT_EQ(pw::writePicture(pw::MapSource::bytes(QByteArray::fromStdString(map), "m"), {}, file,
                               output, "out.pdf"),
              std::nullopt);
    EXPECT_EQ(pw::test::pdfSummary(output.bytes), test.summary);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, Sheets,
    testing::Values(SheetCase{64, 80, pw::Paper::A4, 4, true, 1, 2, "pages 3\nsize 842x595\n"},
                    SheetCase{64, 80, pw::Paper::A3, 4, false, 1, 1, "pages 2\nsize 842x1191\n"},
                    SheetCase{100, 30, pw::Paper::Letter, 5, true, 2, 1, "pages 3\nsize 792x612\n"},
                    SheetCase{10, 10, pw::Paper::A4, 50, false, 5, 3, "pages 16\nsize 595x842\n"}),
    [](const auto& named) { return "row" + std::to_string(named.index + 1); });

// merge --image through the save pipeline: a picture that cannot be written completely,
// at any point, leaves the map and the old picture as they were and nothing behind.
struct FailureCase {
    pw::PictureFormat format;
    std::size_t budget;  // bytes the picture's disk takes
    bool commitFails;
};

class PictureFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(PictureFailure, LeavesTheMapAndTheOldPictureWhole) {
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.file("A.map"),
                        pw::test::MapBuilder{.length = 30, .height = 20}.text());
    pw::test::writeFile(folder.file("out.map"), "precious");
    pw::test::writeFile(folder.file("old.pic"), "old picture");
    const std::string picture = folder.file("old.pic");
    const auto faulty = [this](const std::string& path) {
        pw::OpenedOutput opened = pw::openSafeOutput(path);
        opened.file = std::make_unique<pw::test::FaultyOutput>(
            std::move(opened.file), GetParam().budget, GetParam().commitFails);
        return opened;
    };
    pw::PictureFileOptions file;
    file.format = GetParam().format;
    pw::PictureCompanion companion(picture, {}, file, true, faulty);
    pw::MergeRequest request{pw::Layout::TopToBottom, 0, 0, {}};
    request.slots = {{"A.map", folder.file("A.map"), 'L'}, {"A.map", folder.file("A.map"), 'R'}};
    pw::test::RecordingHost host;
    host.answer = folder.file("out.map");
    EXPECT_EQ(pw::runSave(request, host, pw::openSafeOutput, &companion),
              pw::SaveOutcome::WriteFailed);
    EXPECT_EQ(host.events.back(),
              "ERROR: unable to write file " + picture + ": No space left on device");
    EXPECT_EQ(pw::test::readFile(folder.file("out.map")), "precious");
    EXPECT_EQ(pw::test::readFile(picture), "old picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

INSTANTIATE_TEST_SUITE_P(Writes, PictureFailure,
                         testing::Values(FailureCase{pw::PictureFormat::Png, 0, false},
                                         FailureCase{pw::PictureFormat::Png, 60, false},
                                         FailureCase{pw::PictureFormat::Png, 120, false},
                                         FailureCase{pw::PictureFormat::Png, SIZE_MAX, true},
                                         FailureCase{pw::PictureFormat::Pdf, 500, false},
                                         FailureCase{pw::PictureFormat::Pdf, SIZE_MAX, true}),
                         [](const auto& named) {
                             return std::string(named.param.format == pw::PictureFormat::Png
                                                    ? "Png"
                                                    : "Pdf") +
                                    (named.param.commitFails
                                         ? "AtCommit"
                                         : "After" + std::to_string(named.param.budget));
                         });

// A map whose commit fails after the picture's took its place puts the old picture back.
TEST(PictureCommit, ComesUndoneWhenTheMapsCommitFails) {
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.file("A.map"), pw::test::MapBuilder{.length = 30}.text());
    pw::test::writeFile(folder.file("old.png"), "old picture");
    pw::PictureCompanion companion(folder.file("old.png"), {}, {}, true);
    pw::MergeRequest request{pw::Layout::EndToEnd, 0, 0, {}};
    request.slots = {{"A.map", folder.file("A.map"), ' '}, {"A.map", folder.file("A.map"), ' '}};
    pw::test::RecordingHost host;
    host.answer = folder.file("out.map");
    const auto failingCommit = [](const std::string& path) {
        pw::OpenedOutput opened = pw::openSafeOutput(path);
        opened.file =
            std::make_unique<pw::test::FaultyOutput>(std::move(opened.file), SIZE_MAX, true);
        return opened;
    };
    EXPECT_EQ(pw::runSave(request, host, failingCommit, &companion), pw::SaveOutcome::WriteFailed);
    EXPECT_EQ(pw::test::readFile(folder.file("old.png")), "old picture");
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.map")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // also when the tests are only being listed
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
