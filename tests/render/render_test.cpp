// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer through maps drawn and compared with their pictures (pictures.tsv; the
// pictures decoded, pixel by pixel), the problems it tells and the sizes it draws
// (render_problems.tsv), the cell index and the command line's pictures. Each table row is
// a test of its own.
//
// The pictures show labels as their dots alone, the same on every machine whatever its
// fonts; the placement of label texts is tested on its own.

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QProcess>
#include <clocale>
#include <set>
#include <sstream>

#include "core/pipeline/joined_map.h"
#include "core/setup/setup_run.h"
#include "jobs/picture_save.h"
#include "render/cell_index.h"
#include "render/cell_painter.h"
#include "render/contrast_colour.h"
#include "render/label_placement.h"
#include "render/palette.h"
#include "render/picture_drawer.h"
#include "render/picture_file.h"
#include "render/png_stream.h"
#include "render/thumbnail.h"
#include "test_support.h"

namespace fs = std::filesystem;
using pw::test::TableRow;

namespace {

constexpr QRgb kLabelDot = 0xffb0101a;
constexpr QRgb kSeam = 0xffc0182a;

std::vector<TableRow> table(const char* name) {
    return pw::test::readRows(fs::path(PANELWRIGHT_TEST_DATA) / name);
}

// The map of a picture row and the options it asks for: the maps of a golden case joined
// in memory in name order, or one map file drawn alone.
std::pair<QByteArray, pw::RenderOptions> pictureMap(const TableRow& row) {
    const fs::path source = fs::path(PANELWRIGHT_GOLDEN_DIR) / row.at(1);
    std::istringstream words(row.at(6));
    const std::set<std::string> more{std::istream_iterator<std::string>(words), {}};
    pw::RenderOptions options;
    options.labelsOnImage = false;  // dots only, drawn by the test
    options.section = row.at(4) == "first"    ? pw::RenderSection::FirstGrid
                      : row.at(4) == "second" ? pw::RenderSection::SecondGrid
                                              : pw::RenderSection::Layer;
    options.layer = row[4].front();
    options.cellSize = std::stoi(row.at(5));
    options.labels = more.contains("labels");
    options.grid = more.contains("grid");
    if (!row.at(7).empty()) {
        options.legend = pw::Legend::parse(QByteArray::fromStdString(row[7]));
    }
    if (row.at(2) == "-") {
        const QByteArray map = QByteArray::fromStdString(pw::test::readFile(source));
        if (more.contains("corners")) {  // and just outside them
            const pw::CellIndex cells(map);
            const int right = cells.length() - 1, bottom = cells.height() - 1;
            options.highlights = {{0, 0},  {right, 0}, {0, bottom},    {right, bottom},
                                  {-1, 0}, {0, -1},    {right + 1, 0}, {0, bottom + 1}};
            if (more.contains("marked")) {  // as the seam check's marks instead
                std::swap(options.highlights, options.seamMarks);
            }
        }
        return {map, options};
    }
    pw::MergeRequest request{*pw::layoutFromName(row[2]), {}, {}, {}};
    for (const std::string& word : more) {
        if (word.size() == 1 && std::isdigit(word[0])) {
            request.direction = pw::directionFromIndex(word[0] - '0').value_or(request.direction);
        }
    }
    for (const auto& file : fs::directory_iterator(source)) {
        if (file.path().extension() == ".map") {
            request.slots.push_back({file.path().filename(), file.path(), std::nullopt});
        }
    }
    std::sort(request.slots.begin(), request.slots.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (std::size_t slot = 0; slot < request.slots.size(); ++slot) {
        request.slots[slot].mark = pw::markOfLetter(row.at(3).at(slot));
    }
    const pw::JoinedMap joined = pw::joinInMemory(request);
    if (more.contains("seams")) {
        options.panelLength = joined.panelLength;
        options.panelHeight = joined.panelHeight;
    }
    for (const auto& [column, line] :
         more.contains("highlights") ? joined.fixedCells : std::vector<pw::Cell>()) {
        options.highlights.emplace_back(column, line);
    }
    return {joined.bytes, options};
}

class Pictures : public testing::TestWithParam<TableRow> {};

// With PANELWRIGHT_WRITE_PICTURES set, each picture is written afresh (to be looked at).
TEST_P(Pictures, AreTheirMapsDrawn) {
    const auto [map, options] = pictureMap(GetParam());
    const pw::RenderResult drawn = pw::renderMap(pw::MapSource::bytes(map, GetParam()[1]), options);
    ASSERT_FALSE(drawn.problem.has_value()) << drawn.problem->message;
    QImage image = drawn.image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    pw::paintLabels(painter,
                    pw::placeLabels(drawn.labels, options.cellSize, image.size(), std::nullopt,
                                    pw::LabelOverlap::LeaveOut),
                    std::nullopt);
    painter.end();
    const QString name = QString::fromStdString(GetParam()[0]) + QStringLiteral(".png");
    const QString picture = QDir(QStringLiteral(PANELWRIGHT_TEST_DATA "/pictures")).filePath(name);
    if (qEnvironmentVariableIsSet("PANELWRIGHT_WRITE_PICTURES")) {
        ASSERT_TRUE(image.save(picture, "PNG"));
    }
    const QImage expected = QImage(picture).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), expected.size()) << "no picture " << picture.toStdString();
    int differing = 0;
    QPoint first;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (image.pixel(x, y) != expected.pixel(x, y) && differing++ == 0) {
                first = QPoint(x, y);
            }
        }
    }
    if (differing > 0) {  // kept in the build folder to be compared by eye
        (void)image.save(QStringLiteral("drawn-") + name, "PNG");
    }
    EXPECT_EQ(differing, 0) << "pixels differ, the first at " << first.x() << "," << first.y()
                            << "; the picture drawn is drawn-" << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, Pictures, testing::ValuesIn(table("pictures.tsv")),
                         pw::test::RowNamer());

class Contrast : public testing::TestWithParam<TableRow> {};

TEST_P(Contrast, OfTheChosenColourToEveryColourOfTheLegendIsAtLeastTheRatio) {
    const std::string& given = GetParam().at(0);
    const std::string text = given.ends_with(".txt")
                                 ? pw::test::readFile(fs::path(PANELWRIGHT_SAMPLES_DIR) / given)
                                 : given;
    const pw::Legend legend = pw::Legend::parse(QByteArray::fromStdString(text));
    const pw::ContrastColours chosen = pw::contrastColours(legend);
    const double least = QByteArray::fromStdString(GetParam().at(1)).toDouble();
    for (int code = 0; code < 256; ++code) {
        if (const pw::LegendEntry* entry = legend.entryOf(static_cast<char>(code))) {
            EXPECT_GE(pw::contrastRatio(chosen.colour, entry->colour), least) << entry->meaning;
        }
    }
    EXPECT_GE(pw::contrastRatio(chosen.frame, chosen.colour), 7) << "the frame stands out";
}

INSTANTIATE_TEST_SUITE_P(Table, Contrast, testing::ValuesIn(table("contrast.tsv")),
                         pw::test::RowNamer());

class Problems : public testing::TestWithParam<TableRow> {};

// A map file (missing.map: none; /proc/self/mem: its reading fails) drawn: the problem
// told, or the map's size in cells, the picture's in pixels and the direction read.
TEST_P(Problems, AreToldOrTheMapIsDrawn) {
    pw::test::TempFolder folder;
    const std::string& bytes = GetParam().at(0);
    std::string path = bytes.starts_with("/proc/") ? bytes : folder.file("m.map");
    if (bytes != "missing.map" && path != bytes) {
        pw::test::writeFile(path, bytes);
    }
    pw::RenderOptions options;
    options.cellSize = std::stoi(GetParam().at(1));
    const pw::RenderResult drawn = pw::renderMap(pw::MapSource::file(path), options);
    std::string told =
        drawn.problem
            ? drawn.problem->message
            : std::to_string(drawn.length) + "x" + std::to_string(drawn.height) + " cells in " +
                  std::to_string(drawn.image.width()) + "x" + std::to_string(drawn.image.height()) +
                  " facing " +
                  (drawn.direction ? std::to_string(pw::directionIndex(*drawn.direction)) : "-1");
    if (const std::size_t at = told.find(path); at != std::string::npos) {
        told.replace(at, path.size(), "MAP");
    }
    EXPECT_EQ(told, GetParam().at(2));
    EXPECT_EQ(drawn.image.isNull(), drawn.problem.has_value());
}

INSTANTIATE_TEST_SUITE_P(Table, Problems, testing::ValuesIn(table("render_problems.tsv")),
                         pw::test::RowNamer());

// What a picture reads of a map's labels: the first 1,024 characters of each text. A map of
// no cells has a picture of its own size in the slot lists, not a division by zero.
TEST(MapOutline, KeepsALabelsFirst1024CharactersAndDrawsAMapOfNoCells) {
    pw::RenderOptions options;
    options.labels = true;
    const std::string map = "1\r\n1 1 9\r\nvalues\r\n0 4\r\n.\r\n.\r\nx\r\n0.5 0.5 " +
                            std::string(1024, 'a') + "Z\r\n";
    const pw::MapOutline outline =
        pw::readOutline(pw::MapSource::bytes(QByteArray::fromStdString(map), "m"), options);
    ASSERT_EQ(outline.labels.size(), 1U);
    EXPECT_EQ(outline.labels.front().text, QString(1023, u'a')) << "the blank before it counts";
    for (const char* size : {"0 0", "3 0"}) {
        const std::string none = std::string("1\r\n") + size + " 9\r\nvalues\r\n0 4\r\nx\r\n";
        const QImage drawn = pw::drawThumbnail(
            pw::MapSource::bytes(QByteArray::fromStdString(none), "m"), {48, 32}, std::nullopt);
        EXPECT_FALSE(drawn.isNull()) << size;
    }
}

TEST(CellIndex, AnswersEverySectionOfACellAsTheRendererReadsIt) {
    const QByteArray map(
        "1\r\n4 3 99\r\nvalues\r\n2 4\r\n^^~~\r\n.\r\n~~^^\r\n1234\r\n5678\r\n"
        "9012\r\nb\r\nQ  Q\r\n    \r\n Q  \r\nd\r\nabcd\r\ne\r\nijkl\r\nc\r\nzzzz\r\n");
    const pw::CellIndex index(map);
    const auto told = [&index](int column, int row) {
        const pw::CellContents cell = index.at(column, row);
        return std::string() + cell.first + cell.second + cell.layerLetters + cell.layerCells;
    };
    EXPECT_EQ(told(3, 0), "~4bdQd") << "layer c comes out of order: the layers end there";
    EXPECT_EQ(told(1, 1), " 6bd  ") << "short rows read as blanks";
    EXPECT_EQ(told(0, 2), "~9bd i");
    const pw::CellIndex early(QByteArray("1\n2 2 0\nv\nd\nab\n"));
    EXPECT_EQ(std::string() + early.at(1, 0).first + early.at(1, 1).first, "b ")
        << "a missing row reads as blanks";
    EXPECT_EQ(told(4, 0), "  ") << "outside the map nothing";
    EXPECT_EQ(told(0, 3), "  ");
    EXPECT_EQ(told(-1, 0) + told(0, -1), "    ");
    EXPECT_EQ(index.length() * 10 + index.height(), 43);
    for (const char* bad : {"1\nnone\n", "1\n2998 1 0\n", "0\n-1 1 0\n"}) {
        const pw::CellIndex invalid{QByteArray(bad)};
        EXPECT_FALSE(invalid.isValid()) << bad;
        EXPECT_EQ(invalid.length() + invalid.height(), 0) << bad;
    }
    EXPECT_TRUE(pw::CellIndex(QByteArray("0\n2997 3996 0\n")).isValid());
    // Rows past the reader's first buffer, one of them ending where that buffer ends.
    std::string rows;
    for (int row = 0; row < 70; ++row) {
        rows += std::string(999, static_cast<char>('a' + row % 23)) + "\r\n";
    }
    for (std::size_t shift = 0; shift <= 1001; ++shift) {
        const std::string shifted =
            "1\r\n999 70 0\r\n" + std::string(shift, 'v') + "\r\n0\r\n" + rows;
        ASSERT_EQ(pw::CellIndex(QByteArray::fromStdString(shifted)).at(5, 69).first, 'a') << shift;
    }
}

// Labels placed at a scale: '>' for a label drawn with its text right of its dot, '<' left
// of it, 'v' below it, '+' over it, '.' for one whose text would overlap an earlier one
// and shows only its dot; labels off the picture not at all. No text covers the compass
// mark's place.
struct Placement {
    std::vector<pw::MapLabel> labels;
    double pixelsPerCell;
    QSizeF picture;
    pw::LabelOverlap overlap;
    std::string drawn;
    std::optional<QRectF> compass = std::nullopt;
};

class LabelPlacement : public testing::TestWithParam<Placement> {};

TEST_P(LabelPlacement, KeepsTheEarlierOfOverlappingTextsAndEveryTextInsideThePicture) {
    const Placement& the = GetParam();
    const auto placed =
        pw::placeLabels(the.labels, the.pixelsPerCell, the.picture,
                        pw::mapLabelFont(the.pixelsPerCell, 9, 28), the.overlap, the.compass);
    std::string drawn;
    for (const pw::PlacedLabel& label : placed) {
        drawn += label.box.isEmpty()                    ? '.'
                 : label.box.top() > label.dot.bottom() ? 'v'
                 : label.box.left() > label.dot.right() ? '>'
                 : label.box.right() < label.dot.left() ? '<'
                                                        : '+';
        EXPECT_TRUE(label.box.isEmpty() || QRectF(QPointF(), the.picture).contains(label.box))
            << label.text.toStdString();
        EXPECT_FALSE(the.compass && label.box.intersects(*the.compass)) << label.text.toStdString();
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
    testing::Values(Placement{kSameSpot, 8, {200, 100}, pw::LabelOverlap::LeaveOut, ">."},
                    Placement{kSameSpot, 8, {200, 100}, pw::LabelOverlap::DrawAll, ">>"},
                    Placement{kNear, 4, {400, 400}, pw::LabelOverlap::LeaveOut, ">."},
                    Placement{
                        kNear, 200, {4000, 4000}, pw::LabelOverlap::LeaveOut, ">>"},  // zoomed in
                    Placement{{{19.5F, 0, "Redhollow Ridge Top"}, {0, 5, "Ridge"}},
                              8,
                              {160, 40},
                              pw::LabelOverlap::LeaveOut,
                              "<>"},  // moved left of its dot, and down
                    Placement{{{1, 1, "A label far wider than the whole picture"},
                               {9, 9, "Off"},
                               {-1, 1, "West"},
                               {1, -1, "North"}},
                              8,
                              {40, 40},
                              pw::LabelOverlap::LeaveOut,
                              "+"},
                    // A dot whose edge just touches the picture's right edge is placed.
                    Placement{{{7, 1, "Edge"}}, 6, {40, 40}, pw::LabelOverlap::LeaveOut, "<"},
                    Placement{{{1, 1, "Ash"}, {1.5F, 1, "Thorn"}, {30, 30, "Far"}},
                              8,
                              {400, 400},
                              pw::LabelOverlap::LeaveOut,
                              ">.>"},
                    // Around the compass mark: left of the dot, left of the mark, under it
                    // (too wide for its left); each then keeps its place against later texts.
                    Placement{{{41.25F, 3, "Ash"},
                               {43, 6, "Mere"},
                               {49, 1, "The Long Road From Blackcopse To Gallows Rise And Back"},
                               {37.5F, 9, "Heath"}},
                              8,
                              {400, 300},
                              pw::LabelOverlap::LeaveOut,
                              "<<v.",
                              QRectF(336, 0, 64, 64)}));

// The command line draws a map file, and a merge's joined map, as the renderer does; its
// label texts need fonts and so are looked at only where their dot lies.
TEST(CommandLine, PicturesDecodeToTheMapsCellsAndLabels) {
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
    // The same with a label far left of the map, whose text would reach into the picture.
    pw::test::writeFile(folder.file("AB-02.map"),
                        pw::test::readFile(folder.file("AB-01.map")) + "-9 2 Far outside\r\n");
    const auto run = [&](const QStringList& arguments) {
        QProcess cli;
        cli.setWorkingDirectory(QString::fromStdString(folder.path().string()));
        cli.start(QStringLiteral(PANELWRIGHT_CLI), arguments);
        cli.waitForFinished();
        return cli.exitCode();
    };
    const auto centre = [](const QImage& image, int scale, int column, int row) {
        return image.pixel(column * scale + scale / 2, row * scale + scale / 2);
    };
    ASSERT_EQ(run({"render", "--labels", "--scale", "8", "--output", "one.png", "AB-01.map"}), 0);
    const QImage one(QString::fromStdString(folder.file("one.png")));
    EXPECT_EQ(one.size(), QSize(32, 64));
    EXPECT_EQ(centre(one, 8, 3, 7), 0xff0000ffU);
    EXPECT_EQ(centre(one, 8, 3, 4), pw::builtInPalette()['.']);
    EXPECT_EQ(one.pixel(4, 4), kLabelDot);
    ASSERT_EQ(run({"render", "--labels", "--scale", "8", "--output", "far.png", "AB-02.map"}), 0);
    EXPECT_EQ(QImage(QString::fromStdString(folder.file("far.png"))), one);
    // The second label's text overlaps the first's: drawn only when all are asked for.
    ASSERT_EQ(
        run({"render", "--labels", "all", "--scale", "8", "--output", "all.png", "AB-01.map"}), 0);
    EXPECT_NE(QImage(QString::fromStdString(folder.file("all.png"))), one);
    ASSERT_EQ(run({"merge", "--layout", "end-to-end", "--image", "two.png", "--output", "two.map",
                   "AB-01.map", "AB-01.map"}),
              0);
    const QImage two(QString::fromStdString(folder.file("two.png")));
    EXPECT_EQ(two.size(), QSize(8 * 4, 8 * 4));    // eight by eight cells of four pixels
    EXPECT_EQ(centre(two, 4, 6, 7), 0xff0000ffU);  // the second panel's water
    EXPECT_EQ(two.pixel(16, 13), pw::mixColour(pw::builtInPalette()['.'], kSeam, 200))
        << "the seam between the panels";
    // A picture of several bands, the last one shorter: every row once, the last one whole.
    pw::test::writeFile(folder.file("tall.map"),
                        "1\r\n1000 300 99\r\nvalues\r\n0 4\r\n" +
                            rows(299, std::string(1000, '.').c_str()) +
                            rows(1, std::string(1000, '~').c_str()) +
                            rows(300, std::string(1000, '.').c_str()) + "x\r\n");
    ASSERT_EQ(run({"render", "--output", "tall.png", "tall.map"}), 0);
    const QImage tall(QString::fromStdString(folder.file("tall.png")));
    EXPECT_EQ(tall.size(), QSize(4000, 1200));
    EXPECT_EQ(centre(tall, 4, 999, 299), 0xff0000ffU);
    EXPECT_EQ(centre(tall, 4, 0, 298), pw::builtInPalette()['.']);
    EXPECT_EQ(run({"render", "--output", "no/such/folder.png", "AB-01.map"}), 1);
    EXPECT_EQ(run({"render", "--scale", "0", "--output", "x.png", "AB-01.map"}), 2);
}

// A map of 40 by 30 cells with terrain in stripes, layer "b" and labels near band edges (a
// dot a hundredth of a pixel into a row of three-pixel cells).
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
           "x\r\n2 3.9 Northfold\r\n30.5 16 Marsh End\r\n12 29.6 Low Ford\r\n22.5 11.505 Rim\r\n";
}

// A picture drawn in bands of any height is the whole picture.
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
    options.seamMarks = {QPoint(1, 0), QPoint(20, 15)};
    options.grid = true;
    const pw::MapSource source = pw::MapSource::bytes(QByteArray::fromStdString(stripedMap()), "m");
    const QImage whole = pw::renderMap(source, options).image;
    ASSERT_EQ(whole.size(), QSize(40, 30) * options.cellSize);
    pw::PictureDrawer drawer(pw::openMap(source, options), options);
    QImage band(whole.width(), GetParam().bandHeight, QImage::Format_RGB32);
    for (int top = 0; top < whole.height(); top += band.height()) {
        const int rows = std::min(band.height(), whole.height() - top);
        drawer.drawBand(band, rows);
        ASSERT_EQ(band.copy(0, 0, band.width(), rows), whole.copy(0, top, band.width(), rows))
            << "band at " << top;
    }
}

INSTANTIATE_TEST_SUITE_P(Heights, Bands,
                         testing::Values(BandCase{1, 1, pw::RenderSection::FirstGrid},
                                         BandCase{1, 7, pw::RenderSection::Layer},
                                         BandCase{3, 1, pw::RenderSection::Layer},
                                         BandCase{3, 5, pw::RenderSection::SecondGrid},
                                         BandCase{8, 13, pw::RenderSection::Layer},
                                         BandCase{8, 64, pw::RenderSection::FirstGrid},
                                         BandCase{16, 100, pw::RenderSection::FirstGrid}),
                         [](const auto& named) {
                             return "cell" + std::to_string(named.param.cellSize) + "band" +
                                    std::to_string(named.param.bandHeight);
                         });

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
    pw::test::MemoryOutput output;
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
                             // labels keep to a few shades: still a palette
                             PngCase{stripedMap(), true, 0, QImage::Format_Indexed8, 3780, 8},
                             // water and a blank row: two colours, one bit a pixel
                             PngCase{"1\r\n4 2 0\r\nv\r\n0\r\n~~~~\r\n\r\n\r\n\r\nx\r\n", false, 0,
                                     QImage::Format_Mono, 3780, 1},
                             // a colour first met below the rows counted first
                             PngCase{"1\r\n999 8 0\r\nv\r\n0\r\n\r\n\r\n\r\n\r\n~\r\n" +
                                         std::string(11, '\n') + "x\n",
                                     false, 0, QImage::Format_Mono, 3780, 1},
                             // seventeen colours, one more than four bits hold
                             PngCase{"1\r\n17 1 0\r\nv\r\n0\r\nabcdefghijklmnopq\r\n\r\nx\r\n",
                                     false, 0, QImage::Format_Indexed8, 3780, 8},
                             // four colours, two bits
                             PngCase{"1\r\n4 2 0\r\nv\r\n0\r\n~~~~\r\n~^.,\r\n\r\n\r\nx\r\n", false,
                                     0, QImage::Format_Indexed8, 3780, 2}),
                         [](const auto& named) { return "row" + std::to_string(named.index + 1); });

// The palette is known before a row is drawn: it holds every colour drawn, whatever goes
// over the cells (a grid, seams, highlights and seam marks, on panel edges too, at cell
// sizes with frames and without, the compass mark, labels) and under them (a layer over
// its faded grid, a legend's colours).
TEST(Png, HoldsEveryColourDrawnInThePaletteItBeginsWith) {
    for (const int cellSize : {1, 3, 8}) {
        for (const pw::RenderSection section :
             {pw::RenderSection::FirstGrid, pw::RenderSection::Layer}) {
            pw::RenderOptions options;
            options.cellSize = cellSize;
            options.section = section;
            options.layer = 'b';
            options.panelLength = 20;
            options.panelHeight = 15;
            options.highlights = {QPoint(0, 0), QPoint(20, 4), QPoint(39, 15), QPoint(9, 28)};
            options.seamMarks = {QPoint(20, 4), QPoint(19, 15), QPoint(30, 0)};
            options.grid = true;
            options.legend = pw::Legend::parse("~ #0000ff water\nQ #ff0000 quarry\n");
            const pw::MapSource source =
                pw::MapSource::bytes(QByteArray::fromStdString(stripedMap()), "m");
            pw::test::MemoryOutput output;
            const std::optional<pw::Problem> failed =
                pw::writePicture(source, options, {}, output, "out.png");
            ASSERT_FALSE(failed) << failed->message << " at " << cellSize;
            const QImage decoded = QImage::fromData(QByteArray::fromStdString(output.bytes), "PNG");
            EXPECT_EQ(decoded.format(), QImage::Format_Indexed8) << cellSize;
            EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32),
                      pw::renderMap(source, options).image)
                << cellSize;
        }
    }
}

// What the encoder cannot write it refuses, saying why, and libpng's own words never reach
// the terminal: a header of no width, a row holding a colour outside the palette.
TEST(PngStream, RefusesWhatItCannotWriteAndSaysWhyOnlyToItsCaller) {
    const std::vector<std::pair<int, std::vector<QRgb>>> cases = {{0, {}}, {2, {0xff0000ffU}}};
    for (const auto& [width, palette] : cases) {
        pw::test::MemoryOutput output;
        pw::PngStream png(output);
        QImage band(2, 1, QImage::Format_RGB32);
        band.fill(0xffff0000U);
        testing::internal::CaptureStderr();
        const bool written =
            png.begin(width, 1, palette, 0) && png.writeRows(band, 1) && png.finish();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << width;
        EXPECT_FALSE(written) << width;
        EXPECT_EQ(png.error(),
                  width == 0 ? "Invalid IHDR data" : "a colour outside the picture's palette");
    }
}

// A picture of a map that cannot be drawn tells the map's problem and writes nothing.
TEST(PictureFile, OfADamagedMapTellsItsProblem) {
    for (const pw::PictureFormat format : {pw::PictureFormat::Png, pw::PictureFormat::Pdf}) {
        pw::test::MemoryOutput output;
        const std::optional<pw::Problem> failed = pw::writePicture(
            pw::MapSource::bytes("1\n4 x\n", "m"), {}, {format, 0, {}}, output, "out");
        EXPECT_EQ(failed ? failed->message : "drawn", "ERROR: file m has no valid map size");
        EXPECT_TRUE(output.bytes.empty());
    }
}

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
    const std::string map = pw::test::MapBuilder{
        .length = test.length,
        .height = test.height,
        .fill = '~',
        .layers = "",
        .labels = {}}.text();
    pw::test::MemoryOutput output;
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
                    SheetCase{10, 10, pw::Paper::A4, 50, false, 5, 3, "pages 16\nsize 595x842\n"},
                    // exactly as tall as a sheet of whole cells inside both margins
                    SheetCase{37, 54, pw::Paper::A4, 5, false, 1, 1, "pages 2\nsize 595x842\n"}),
    [](const auto& named) { return "row" + std::to_string(named.index + 1); });

// Pictures and their texts written while the locale is German: decimals keep their point,
// and the file is byte for byte the one written in the C locale.
struct DecimalCase {
    pw::PictureFormat format;
    int side;  // of a square map
    double cellMm;
    const char* told;  // the problem, or the PDF's pages and size
};

class GermanLocale : public testing::TestWithParam<DecimalCase> {
  protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 missing";
        QLocale::setDefault(QLocale(QLocale::German));
    }
    void TearDown() override { restore(); }
    void restore() {
        std::setlocale(LC_NUMERIC, numeric_.c_str());
        QLocale::setDefault(qtLocale_);
    }
    // The problem told or the PDF's summary, and what was written but the PDF's date.
    static std::pair<std::string, std::string> write() {
        const DecimalCase& test = GetParam();
        const std::string map = pw::test::MapBuilder{
            .length = test.side,
            .height = test.side,
            .labels = {
                "0.5 1 2.5 km"}}.text();
        const pw::PictureFileOptions file{test.format, 300, {pw::Paper::A4, test.cellMm, 100}};
        pw::test::MemoryOutput output;
        const std::optional<pw::Problem> failed = pw::writePicture(
            pw::MapSource::bytes(QByteArray::fromStdString(map), "m"), {}, file, output, "out");
        return {failed ? failed->message : pw::test::pdfSummary(output.bytes),
                pw::test::pdfFingerprint(output.bytes)};
    }

  private:
    std::string numeric_ = std::setlocale(LC_NUMERIC, nullptr);
    QLocale qtLocale_;
};

TEST_P(GermanLocale, ChangesNoNumberOfAPicture) {
    const auto [told, written] = write();
    EXPECT_EQ(told, GetParam().told);
    restore();
    EXPECT_EQ(written, write().second);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, GermanLocale,
    testing::Values(
        DecimalCase{pw::PictureFormat::Pdf, 30, 4.5, "pages 2\nsize 595x842\n"},
        DecimalCase{pw::PictureFormat::Png, 30, 4.5, "no PDF"},
        DecimalCase{
            pw::PictureFormat::Pdf, 10, 250.5,
            "ERROR: unable to write file out: a cell of 250.5 mm is too large for a4 paper"},
        DecimalCase{pw::PictureFormat::Pdf, 999, 12.5,
                    "ERROR: unable to create file out: the map takes 3851 sheets at 12.5 mm a "
                    "cell, more than 500: choose smaller cells (--cell-mm)"}),
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
    pw::PictureChoice choice;  // "old.pic" names no format: it is given
    choice.file.format = GetParam().format;
    choice.formatGiven = true;
    pw::PictureSave companion(choice, {}, {}, faulty);
    pw::MergeRequest request{pw::Layout::TopToBottom, {}, {}, {}};
    request.slots = {{"A.map", folder.file("A.map"), pw::Mark::L},
                     {"A.map", folder.file("A.map"), pw::Mark::R}};
    pw::test::RecordingHost host;
    host.answer = folder.file("out.map");
    host.picture = picture;
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

// A picture is drawn from the map as written: without it there is none.
TEST(PictureCommit, NeedsTheMapWritten) {
    pw::test::TempFolder folder;
    pw::PictureSave companion({}, {});
    ASSERT_EQ(companion.open(folder.file("p.png")), std::nullopt);
    const std::optional<pw::Problem> failed = companion.write({});
    EXPECT_EQ(failed ? failed->message : "written",
              "ERROR: unable to write file " + folder.file("p.png") +
                  ": the map just written cannot be read back");
}

// A map whose commit fails after the picture's took its place puts the old picture back,
// or takes the new one away where there was none; a map that cannot be made durable stops
// the save before the picture is committed.
TEST(PictureCommit, ComesUndoneWhenTheMapsCommitFails) {
    for (const auto& [hadPicture, syncFails] :
         {std::pair{true, false}, std::pair{false, false}, std::pair{true, true}}) {
        pw::test::TempFolder folder;
        pw::test::writeFile(folder.file("A.map"), pw::test::MapBuilder{.length = 30}.text());
        if (hadPicture) {
            pw::test::writeFile(folder.file("old.png"), "old picture");
        }
        pw::PictureSave companion({}, {});
        pw::MergeRequest request{pw::Layout::EndToEnd, {}, {}, {}};
        request.slots = {{"A.map", folder.file("A.map"), std::nullopt},
                         {"A.map", folder.file("A.map"), std::nullopt}};
        pw::test::RecordingHost host;
        host.answer = folder.file("out.map");
        host.picture = folder.file("old.png");
        const auto failing = [syncFails](const std::string& path) {
            pw::OpenedOutput opened = pw::openSafeOutput(path);
            opened.file = std::make_unique<pw::test::FaultyOutput>(std::move(opened.file), SIZE_MAX,
                                                                   !syncFails, syncFails);
            return opened;
        };
        EXPECT_EQ(pw::runSave(request, host, failing, &companion), pw::SaveOutcome::WriteFailed);
        EXPECT_EQ(host.events.back(), "ERROR: unable to write file " + folder.file("out.map") +
                                          ": No space left on device");
        if (hadPicture) {
            EXPECT_EQ(pw::test::readFile(folder.file("old.png")), "old picture");
        }
        EXPECT_FALSE(std::filesystem::exists(folder.file("out.map")));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
                  hadPicture ? 2 : 1);
    }
}

// A setup's picture, saved beneath its held folder, comes undone the same way: the old
// picture back, or the new one gone, and nothing else left in the folder.
TEST(PictureCommit, ComesUndoneBeneathTheSetupsFolder) {
    for (const bool hadPicture : {true, false}) {
        pw::test::TempFolder folder;
        pw::test::writeFile(folder.file("A.map"), pw::test::MapBuilder{.length = 30}.text());
        if (hadPicture) {
            pw::test::writeFile(folder.file("old.png"), "old picture");
        }
        pw::test::writeFile(folder.file("s.pwsetup"),
                            R"({"format": 1, "layout": "end-to-end", "output": "out.map",)"
                            R"( "picture": {"file": "old.png"}, "slots": [{"file": "A.map",)"
                            R"( "mark": "none"}, {"file": "A.map", "mark": "none"}]})");
        const pw::PlannedSetup plan = pw::planRun({folder.file("s.pwsetup")}, {}, false).front();
        ASSERT_TRUE(plan.problems.empty() && plan.picture && plan.picture->folder);
        pw::PictureSave companion({}, {}, {}, pw::openerOf(*plan.picture, false));
        const auto failing = [&](const std::string& path) {
            pw::OpenedOutput opened = pw::openerOf(plan.output, false)(path);
            opened.file =
                std::make_unique<pw::test::FaultyOutput>(std::move(opened.file), SIZE_MAX, true);
            return opened;
        };
        pw::test::RecordingHost host;
        host.answer = plan.output.path;
        host.picture = plan.picture->path;
        EXPECT_EQ(pw::runSave(plan.request, host, failing, &companion),
                  pw::SaveOutcome::WriteFailed);
        if (hadPicture) {
            EXPECT_EQ(pw::test::readFile(folder.file("old.png")), "old picture");
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
                  hadPicture ? 3 : 2);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // also when the tests are only being listed
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
