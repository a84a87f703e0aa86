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
#include <QPainter>
#include <QProcess>
#include <set>
#include <sstream>

#include "core/pipeline/joined_map.h"
#include "render/cell_index.h"
#include "render/image_file.h"
#include "render/label_placement.h"
#include "render/map_renderer.h"
#include "render/cell_rows.h"
#include "render/palette.h"
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
    if (!row.at(7).empty()) {
        options.legend = pw::Legend::parse(QByteArray::fromStdString(row[7]));
    }
    if (row.at(2) == "-") {
        const QByteArray map = QByteArray::fromStdString(pw::test::readFile(source));
        if (more.contains("corners")) {  // and just outside them
            const pw::CellIndex cells(map);
            const int right = cells.length() - 1, bottom = cells.height() - 1;
            options.highlights = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom},
                                  {-1, 0}, {0, -1}, {right + 1, 0}, {0, bottom + 1}};
        }
        return {map, options};
    }
    pw::MergeRequest request{*pw::layoutFromName(row[2]), 0, 0, {}};
    for (const std::string& word : more) {
        request.direction =
            word.size() == 1 && std::isdigit(word[0]) ? word[0] - '0' : request.direction;
    }
    for (const auto& file : fs::directory_iterator(source)) {
        if (file.path().extension() == ".map") {
            request.slots.push_back({file.path().filename(), file.path(), ' '});
        }
    }
    std::sort(request.slots.begin(), request.slots.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (std::size_t slot = 0; slot < request.slots.size(); ++slot) {
        request.slots[slot].mark = row.at(3).at(slot) == '-' ? ' ' : row[3][slot];
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
    pw::LineReader reader = pw::LineReader::fromBytes(map);
    const pw::RenderResult drawn = pw::renderMap(reader, options, GetParam()[1]);
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
        ASSERT_FALSE(pw::writePngFile(image, picture).has_value());
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
        (void)pw::writePngFile(image, QStringLiteral("drawn-") + name);
    }
    EXPECT_EQ(differing, 0) << "pixels differ, the first at " << first.x() << "," << first.y()
                            << "; the picture drawn is drawn-" << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, Pictures, testing::ValuesIn(table("pictures.tsv")),
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
    const pw::RenderResult drawn = pw::renderMapFile(path, options);
    std::string told = drawn.problem ? drawn.problem->message
                                     : std::to_string(drawn.length) + "x" +
                                           std::to_string(drawn.height) + " cells in " +
                                           std::to_string(drawn.image.width()) + "x" +
                                           std::to_string(drawn.image.height()) + " facing " +
                                           std::to_string(drawn.direction);
    if (const std::size_t at = told.find(path); at != std::string::npos) {
        told.replace(at, path.size(), "MAP");
    }
    EXPECT_EQ(told, GetParam().at(2));
    EXPECT_EQ(drawn.image.isNull(), drawn.problem.has_value());
}

INSTANTIATE_TEST_SUITE_P(Table, Problems, testing::ValuesIn(table("render_problems.tsv")),
                         pw::test::RowNamer());

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
}

TEST(PngFile, IsWrittenWholeOrNotAtAll) {
    pw::test::TempFolder folder;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(kLabelDot);
    const QString png = QString::fromStdString(folder.file("map.png"));
    EXPECT_FALSE(pw::writePngFile(picture, png).has_value());
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), picture);
    const std::optional<pw::Problem> failed = pw::writePngFile(picture, png + "/no.png");
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->message,
              "ERROR: unable to write image " + png.toStdString() + "/no.png: Not a directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1)
        << "nothing half-written";
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
    pw::test::writeFile(folder.file("AB-01.map"), "1\r\n4 8 99\r\nvalues\r\n0 4\r\n" +
                                                      rows(5, "....") + rows(3, "~~~~") +
                                                      rows(8, "....") +
                                                      "x\r\n0.5 0.5 Hill\r\n0.6 0.6 Hill Top\r\n");
    pw::test::writeFile(folder.file("legend.txt"), "~ #0000ff water\n");
    // The same with a label far left of the map, whose text would reach into the picture.
    pw::test::writeFile(folder.file("AB-02.map"), pw::test::readFile(folder.file("AB-01.map")) +
                                                      "-9 2 Far outside\r\n");
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
    EXPECT_EQ(run({"render", "--output", "no/such/folder.png", "AB-01.map"}), 1);
    EXPECT_EQ(run({"render", "--scale", "0", "--output", "x.png", "AB-01.map"}), 2);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // also when the tests are only being listed
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
