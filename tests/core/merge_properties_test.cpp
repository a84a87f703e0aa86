// Properties of every merge of well-formed panels, over seeded random panels: the output
// is a well-formed map of the predicted size, every cell is a copy of its source's cell
// (but for the junction cells of layer "b"), and the output is again a valid source.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "core/composer/save_pipeline.h"
#include "test_files.h"

namespace {

constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvw";

struct Panel {
    int version = 1;
    int tally = 0;
    std::vector<std::string> grids;  // both grids, 2 * height rows
    std::vector<std::pair<char, std::vector<std::string>>> layers;
    std::vector<std::string> labels;
};

struct Shape {
    pw::Layout layout;
    int count;
    int rows;
    int columns;
};

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string row(int length) {
        std::string text;
        for (int i = 0; i < length; ++i) {
            // Any byte but the line ends; blanks often, so that fix-ups have work.
            int cell = pick(0, 3) == 0 ? ' ' : pick(1, 255);
            if (cell == '\n' || cell == '\r') {
                cell = '#';
            }
            text.push_back(static_cast<char>(cell));
        }
        return text;
    }

    Panel panel(int length, int height) {
        Panel panel;
        panel.version = pick(-3, 9);
        if (panel.version == 0) {
            panel.version = 1;
        }
        panel.tally = pick(-100000, 100000);
        for (int i = 0; i < 2 * height; ++i) {
            panel.grids.push_back(row(length));
        }
        for (char letter : kLetters) {
            if (pick(0, 3) == 0 || (letter == 'b' && pick(0, 1) == 0)) {
                std::vector<std::string> rows;
                for (int i = 0; i < height; ++i) {
                    rows.push_back(row(length));
                }
                panel.layers.emplace_back(letter, std::move(rows));
            }
        }
        for (int i = pick(0, 4); i > 0; --i) {
            panel.labels.push_back(std::to_string(pick(0, 400)) + "." +
                                   std::to_string(pick(0, 99)) + " " + std::to_string(pick(0, 90)) +
                                   " Label " + std::to_string(i));
        }
        return panel;
    }

  private:
    std::mt19937 random_;
};

std::string text(const Panel& panel, int length, int height) {
    std::ostringstream out;
    const char* eol = "\r\n";
    out << panel.version << eol << length << ' ' << height << ' ' << panel.tally << eol << "values"
        << eol << "3 4" << eol;
    for (const std::string& row : panel.grids) {
        out << row << eol;
    }
    for (const auto& [letter, rows] : panel.layers) {
        out << letter << eol;
        for (const std::string& row : rows) {
            out << row << eol;
        }
    }
    out << 'x' << eol;
    for (const std::string& label : panel.labels) {
        out << label << eol;
    }
    return out.str();
}

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every output line ends with CR LF";
        if (end == std::string::npos) {
            break;
        }
        result.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

class QuietHost : public pw::PipelineHost {
  public:
    explicit QuietHost(std::string output) : output_(std::move(output)) {}
    std::vector<std::string> errors;
    void showError(const std::string& message) override { errors.push_back(message); }
    std::string rememberedPath() override { return ""; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<std::string> askOutputPath(const std::string&) override { return output_; }
    void reportSuccess(const std::string&) override {}

  private:
    std::string output_;
};

bool isJunctionCell(int position) {
    return position == 7 || position == 8 || position == 15 || position == 16 || position == 23 ||
           position == 24;
}

std::string shapeName(const testing::TestParamInfo<Shape>& info) {
    static const char* const kNames[] = {"TopToBottom", "EndToEnd", "Composite"};
    return kNames[static_cast<int>(info.param.layout)] + std::to_string(info.param.count);
}

class MergeProperties : public testing::TestWithParam<Shape> {};

TEST_P(MergeProperties, OutputIsTheTilingOfItsSources) {
    const Shape shape = GetParam();
    pw::test::TempFolder folder;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        Generator generate(seed * 131 + static_cast<unsigned>(shape.count));
        const int length = generate.pick(0, 40);
        const int height = generate.pick(0, 6);
        const int mapSet = generate.pick(0, 1);
        pw::MergeRequest request;
        request.layout = shape.layout;
        request.mapSetIndex = mapSet;
        request.direction = generate.pick(0, 7);
        std::vector<Panel> panels;
        for (int i = 0; i < shape.count; ++i) {
            panels.push_back(generate.panel(length, height));
            const std::string name = "P" + std::to_string(i) + ".map";
            pw::test::writeFile(folder.path() / name, text(panels.back(), length, height));
            request.slots.push_back({name, folder.file(name), " LR"[generate.pick(0, 2)]});
        }
        const std::string output = folder.file("out.map");
        QuietHost host(output);
        ASSERT_EQ(pw::runSave(request, host), pw::SaveOutcome::Saved) << "seed " << seed;
        const std::vector<std::string> out = lines(pw::test::readFile(output));
        SCOPED_TRACE("seed " + std::to_string(seed));

        // Header: the largest version (never below 0), the tiled size, the tally.
        int version = 0;
        std::int64_t tally = 0;
        const int base = mapSet == 0 ? 1251 : 1811;
        for (const Panel& panel : panels) {
            version = std::max(version, panel.version);
            tally += panel.tally;
        }
        const int n = shape.count;
        tally -= static_cast<std::int64_t>(n - 1) * base;
        if (shape.layout == pw::Layout::TopToBottom) {
            tally -= static_cast<std::int64_t>(n - 1) * length;
        } else if (shape.layout == pw::Layout::EndToEnd) {
            tally -= static_cast<std::int64_t>(n - 1) * height;
        } else {
            tally -= static_cast<std::int64_t>(shape.rows) * height + 2 * (shape.rows - 1) * length;
        }
        auto markOf = [&](int row, int column) {
            return shape.layout == pw::Layout::EndToEnd
                       ? ' '
                       : request.slots[static_cast<std::size_t>(row * shape.columns + column)].mark;
        };
        for (int column = 0; column < shape.columns; ++column) {
            for (int row = 1; row < shape.rows; ++row) {
                const char upper = markOf(row - 1, column);
                const char lower = markOf(row, column);
                tally += upper == 'L' && lower == 'R' ? 108 : upper == 'R' && lower == 'L' ? 27 : 0;
            }
        }
        ASSERT_GE(out.size(), 4U);
        EXPECT_EQ(out[0], std::to_string(version));
        EXPECT_EQ(out[1], std::to_string(shape.columns * length) + " " +
                              std::to_string(shape.rows * height) + " " + std::to_string(tally));
        EXPECT_EQ(out[2], "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1");
        EXPECT_EQ(out[3], std::to_string(request.direction) + " 4");

        // Both grids: the sources' rows side by side and one under the other.
        std::size_t line = 4;
        for (int grid = 0; grid < 2; ++grid) {
            for (int slotRow = 0; slotRow < shape.rows; ++slotRow) {
                for (int y = 0; y < height; ++y) {
                    std::string expected;
                    for (int column = 0; column < shape.columns; ++column) {
                        const Panel& panel =
                            panels[static_cast<std::size_t>(slotRow * shape.columns + column)];
                        expected += panel.grids[static_cast<std::size_t>(grid * height + y)];
                    }
                    ASSERT_LT(line, out.size());
                    EXPECT_TRUE(out[line++] == expected) << "grid " << grid << " row " << y;
                }
            }
        }

        // Layer blocks: every letter some source has, in table order, full-size rows whose
        // cells are the sources' cells or blanks; only junction cells of "b" may differ.
        for (char letter : kLetters) {
            bool present = false;
            for (const Panel& panel : panels) {
                for (const auto& layer : panel.layers) {
                    present = present || layer.first == letter;
                }
            }
            if (!present) {
                continue;
            }
            ASSERT_LT(line, out.size());
            EXPECT_EQ(out[line++], std::string(1, letter));
            for (int slotRow = 0; slotRow < shape.rows; ++slotRow) {
                for (int y = 0; y < height; ++y) {
                    ASSERT_LT(line, out.size());
                    const std::string& got = out[line++];
                    ASSERT_EQ(got.size(), static_cast<std::size_t>(shape.columns * length));
                    for (int column = 0; column < shape.columns; ++column) {
                        const Panel& panel =
                            panels[static_cast<std::size_t>(slotRow * shape.columns + column)];
                        std::string source(static_cast<std::size_t>(length), ' ');
                        for (const auto& layer : panel.layers) {
                            if (layer.first == letter) {
                                source = layer.second[static_cast<std::size_t>(y)];
                            }
                        }
                        const bool junctionRow = letter == 'b' && (y == 0 || y == height - 1);
                        for (int x = 0; x < length; ++x) {
                            if (junctionRow && isJunctionCell(x)) {
                                continue;
                            }
                            ASSERT_EQ(got[static_cast<std::size_t>(column * length + x)],
                                      source[static_cast<std::size_t>(x)])
                                << "block " << letter << " slot row " << slotRow << " row " << y;
                        }
                    }
                }
            }
        }
        ASSERT_LT(line, out.size());
        EXPECT_EQ(out[line++], "x");
        std::size_t labels = 0;
        for (const Panel& panel : panels) {
            labels += panel.labels.size();
        }
        EXPECT_EQ(out.size() - line, labels);

        // A merge within the size limits is itself a valid source, unless every source
        // version was negative: the output then carries version 0, the submap mark.
        if (shape.columns * length <= 999 && shape.rows * height <= 999 && version != 0) {
            pw::MergeRequest again;
            again.slots = {{"out.map", output, ' '}, {"out.map", output, ' '}};
            QuietHost second(folder.file("again.map"));
            EXPECT_EQ(pw::runSave(again, second), pw::SaveOutcome::Saved);
            EXPECT_TRUE(second.errors.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryLayoutAndCount, MergeProperties,
    testing::Values(Shape{pw::Layout::TopToBottom, 2, 2, 1},
                    Shape{pw::Layout::TopToBottom, 3, 3, 1},
                    Shape{pw::Layout::TopToBottom, 4, 4, 1}, Shape{pw::Layout::EndToEnd, 2, 1, 2},
                    Shape{pw::Layout::EndToEnd, 3, 1, 3}, Shape{pw::Layout::Composite, 4, 2, 2},
                    Shape{pw::Layout::Composite, 6, 3, 2}, Shape{pw::Layout::Composite, 8, 4, 2}),
    shapeName);

}  // namespace
