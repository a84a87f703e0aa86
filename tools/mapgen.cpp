// SPDX-License-Identifier: GPL-3.0-or-later
// panelwright-mapgen: writes deterministic map panels of our own for the bundled map sets,
// tests and benchmarks. The same options always give the same bytes.
//
//   panelwright-mapgen --length X --height Y [--tally T] [--version V] [--layers LETTERS]
//                      [--labels N] [--cells CHARACTERS] [--fill PERCENT] [--seed S] OUT
//   panelwright-mapgen --sample-set ironfall|emberline FOLDER
//
// The first form writes one panel of random cells, for tests and benchmarks: `--fill` of
// every hundred cells (35 unless given) drawn at random, from `--cells` in every grid and
// layer when given, else from a few terrain characters; the second the terrain panels and
// legend of a bundled sample map set.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "sample_sets.h"

namespace {

struct Options {
    int length = 32;
    int height = 20;
    int tally = 4000;
    int version = 1;
    std::string layers = "ab";
    int labels = 4;
    std::string cells;  // every section's characters; empty for the terrain sets
    int fill = 35;
    std::uint32_t seed = 1;
    std::string sampleSet;
    std::string output;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name.rfind("--", 0) != 0) {
            options.output = name;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        if (name == "--length") {
            options.length = std::stoi(value);
        } else if (name == "--height") {
            options.height = std::stoi(value);
        } else if (name == "--tally") {
            options.tally = std::stoi(value);
        } else if (name == "--version") {
            options.version = std::stoi(value);
        } else if (name == "--layers") {
            options.layers = value;
        } else if (name == "--labels") {
            options.labels = std::stoi(value);
        } else if (name == "--cells") {
            options.cells = value;
        } else if (name == "--fill") {
            options.fill = std::stoi(value);
        } else if (name == "--sample-set") {
            options.sampleSet = value;
        } else if (name == "--seed") {
            options.seed = static_cast<std::uint32_t>(std::stoul(value));
        } else {
            return false;
        }
    }
    return !options.output.empty() && options.length >= 0 && options.height >= 0 &&
           options.fill >= 0 && options.fill <= 100;
}

// Rows of `fill` cells in a hundred drawn from `cells`, the rest blank.
std::string row(std::mt19937& random, int length, const char* cells, int fill) {
    std::string text(static_cast<std::size_t>(length), ' ');
    std::uniform_int_distribution<int> roll(0, 99);
    const std::size_t kinds = std::char_traits<char>::length(cells);
    std::uniform_int_distribution<std::size_t> pick(0, kinds - 1);
    for (char& cell : text) {
        if (roll(random) < fill) {
            cell = cells[pick(random)];
        }
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "usage: panelwright-mapgen --length X --height Y [--tally T] [--version V]"
                     " [--layers LETTERS] [--labels N] [--cells CHARACTERS] [--fill PERCENT]"
                     " [--seed S] OUT\n"
                     "       panelwright-mapgen --sample-set ironfall|emberline FOLDER\n";
        return 2;
    }
    if (!options.sampleSet.empty()) {
        return pw::mapgen::writeSampleSet(options.sampleSet, options.output) ? 0 : 1;
    }
    std::ofstream out(options.output, std::ios::binary);
    if (!out) {
        std::cerr << "panelwright-mapgen: cannot write " << options.output << '\n';
        return 1;
    }
    std::mt19937 random(options.seed);
    const char* eol = "\r\n";
    out << options.version << eol;
    out << options.length << ' ' << options.height << ' ' << options.tally << eol;
    out << "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1" << eol;
    out << "0 4" << eol;
    const auto cellsOr = [&options](const char* terrain) {
        return options.cells.empty() ? terrain : options.cells.c_str();
    };
    for (const char* cells : {cellsOr(".,'^~"), cellsOr("0123456789")}) {
        for (int y = 0; y < options.height; ++y) {
            out << row(random, options.length, cells, options.fill) << eol;
        }
    }
    for (char letter : options.layers) {
        out << letter << eol;
        for (int y = 0; y < options.height; ++y) {
            out << row(random, options.length, cellsOr("ABCDEFGH123"), options.fill) << eol;
        }
    }
    out << 'x' << eol;
    static const char* const kNames[] = {"Hill", "Ford", "Town", "Wood", "Bridge", "Farm"};
    std::uniform_int_distribution<int> column(0, options.length * 4);
    std::uniform_int_distribution<int> line(0, options.height * 4);
    for (int i = 0; i < options.labels; ++i) {
        char text[96];
        std::snprintf(text, sizeof text, "%.2f %.2f %s %d", column(random) / 4.0,
                      line(random) / 4.0, kNames[i % 6], i + 1);
        out << text << eol;
    }
    return out ? 0 : 1;
}
