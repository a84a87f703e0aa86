// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_sets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace pw::mapgen {
namespace {

// What differs between the two sets. The crossings are the columns where the river and
// the north-south road cross the top and bottom edges, and the row where the east-west
// road crosses the side edges; they keep clear of the junction columns 7, 8, 15, 16, 23
// and 24 of layer "b".
struct SetStyle {
    const char* prefix;
    int panels;  // the last one carries no L/R mark
    int length;
    int height;
    int firstTally;
    int tallyStep;
    int riverColumn;
    int roadColumn;
    int roadRow;
    int hills;  // hills per panel at least
    int woods;  // woods per panel at least
    std::vector<std::string> layers;
    std::vector<const char*> towns;
    std::vector<const char*> heights;
    std::vector<const char*> forests;
    const char* river;
    const char* legend;
};

const SetStyle kIronfall{
    "IF",
    9,
    32,
    20,
    3037,
    37,
    20,
    11,
    9,
    2,
    3,
    {"ab", "abc", "ab", "abd", "abcd", "ab", "abc", "b", "ab"},
    {"Harrowby", "Oakmere", "Kettleford", "Brackenhall", "Wyndham", "Stonecross", "Ashby",
     "Millbrook", "Thornwick", "Redhollow", "Fenwick", "Elmstead", "Larkhill", "Greyfold"},
    {"Beacon Hill", "Crow Knoll", "Gallows Rise", "Windy Tor", "Hob's Mound", "Sheep Down",
     "Long Barrow", "Kite Hill", "Ridge Top"},
    {"Ashwood", "Blackcopse", "Kingswood", "Hazel Brake", "Old Wood", "Fox Covert", "Birch Hanger",
     "Deepdene", "Holly Shaw"},
    "River Irf",
    "# Ironfall legend: a character, its colour, then what it stands for.\n"
    "# A + after the colour: the feature continues across panel edges.\n"
    "# First grid: terrain.\n"
    ". #d8cf9c open ground\n"
    ", #b3c46c fields and brush\n"
    "T #2e6b2a woods\n"
    "^ #9a7445 hill\n"
    "~ #3f7fc4+ water\n"
    "= #7b6a58+ road\n"
    "+ #4e3b2c+ bridge\n"
    "# #8c3b32 town\n"
    "# Second grid: ground level, 0 at the water.\n"
    "0 #2f5f9f level 0\n1 #e9e4cf level 1\n2 #ddd3b0 level 2\n3 #d0c191 level 3\n"
    "4 #c2ae74 level 4\n5 #b39a5a level 5\n6 #a38643 level 6\n7 #92722f level 7\n"
    "8 #7f5f20 level 8\n9 #6b4c14 level 9\n"
    "# Layers: a cover, b movement, c objectives, d hazards.\n"
    "H #1f5a1f heavy cover\n"
    "L #8fb06a light cover\n"
    "R #6b5a4a road movement\n"
    "W #2f6fb4 water crossing\n"
    "S #8a6a3a steep slope\n"
    "A #202020 edge connector\n"
    "O #d01818 objective\n"
    "V #e0a000 vantage point\n"
    "X #5a7a4a marsh\n"
    "% #ff00ff joined connector\n",
};

const SetStyle kEmberline{
    "EM",
    7,
    28,
    24,
    5861,
    41,
    4,
    19,
    13,
    3,
    2,
    {"ab", "b", "abc", "abd", "b", "abcd", "ab"},
    {"Cinderhold", "Ashgate", "Emberwick", "Slagmoor", "Brimstone", "Kilnbury", "Soot End",
     "Pyreford", "Charwell", "Smeltham", "Coalbridge", "Glowmere"},
    {"Red Cone", "Ember Ridge", "Scoria Hill", "Black Butte", "Fume Knob", "Cinder Peak",
     "Basalt Rise"},
    {"Dead Pines", "Charred Wood", "Scrub Thicket", "Greyleaf", "Thornbrake", "Ash Grove",
     "Ironbark"},
    "Emberflow",
    "# Emberline legend: a character, its colour, then what it stands for.\n"
    "# A + after the colour: the feature continues across panel edges.\n"
    "# First grid: terrain.\n"
    ". #b8ad9c ash plain\n"
    ", #9c9660 scrub\n"
    "T #4d5a2c dead woods\n"
    "^ #7a3f28 ridge\n"
    "~ #2f8fa8+ river\n"
    "= #5c5550+ road\n"
    "+ #2e2a28+ bridge\n"
    "# #45405e settlement\n"
    "# Second grid: ground level, 0 at the river.\n"
    "0 #1f6f88 level 0\n1 #d9d2c5 level 1\n2 #cbbba8 level 2\n3 #bda38a level 3\n"
    "4 #ae8b6d level 4\n5 #a07352 level 5\n6 #915c3a level 6\n7 #804628 level 7\n"
    "8 #6e331b level 8\n9 #5a2211 level 9\n"
    "# Layers: a cover, b movement, c objectives, d hazards.\n"
    "H #3a4a22 heavy cover\n"
    "L #a3a070 light cover\n"
    "R #4a4440 road movement\n"
    "W #2f8fa8 water crossing\n"
    "S #7a3f28 steep slope\n"
    "A #101010 edge connector\n"
    "O #e02010 objective\n"
    "V #f0b000 vantage point\n"
    "X #c06020 hot ground\n"
    "% #ff00ff joined connector\n",
};

// The standard engine's raw output is the same everywhere; the distributions are not.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }
    bool chance(int percent) { return below(100) < percent; }

  private:
    std::mt19937 engine_;
};

struct Place {
    int x;
    int y;
    const char* name;
};

class Panel {
  public:
    Panel(const SetStyle& style, int index)
        : style_(style),
          w_(style.length),
          h_(style.height),
          dice_(static_cast<std::uint32_t>(7919 * (index + 1) + style.length)),
          index_(index),
          terrain_(static_cast<std::size_t>(h_), std::string(static_cast<std::size_t>(w_), '.')),
          level_(static_cast<std::size_t>(w_ * h_), 0) {}

    char mark() const { return index_ == style_.panels - 1 ? ' ' : (index_ % 2 == 0 ? 'L' : 'R'); }

    void build() {
        hills();
        scatter(',', 9);
        for (int i = 0; i < style_.woods + dice_.below(2); ++i) {
            blob('T', 8 + dice_.below(16), i == 0);
        }
        if (dice_.chance(40)) {
            blob('~', 4 + dice_.below(6), false);
        }
        verticalPath(style_.riverColumn, '~', true);
        horizontalRoad();
        verticalPath(style_.roadColumn, '=', false);
        towns();
    }

    void write(std::ostream& out) {
        const char* eol = "\r\n";
        out << (index_ + 1) % 3 + 1 << eol;
        out << w_ << ' ' << h_ << ' ' << style_.firstTally + style_.tallyStep * index_ << eol;
        out << "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1" << eol;
        out << "0 4" << eol;
        for (const std::string& row : terrain_) {
            out << row << eol;
        }
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) {
                out << (at(x, y) == '~' ? '0' : static_cast<char>('1' + std::min(level(x, y), 8)));
            }
            out << eol;
        }
        for (char letter : style_.layers[static_cast<std::size_t>(index_)]) {
            out << letter << eol;
            for (int y = 0; y < h_; ++y) {
                out << layerRow(letter, y) << eol;
            }
        }
        out << 'x' << eol;
        for (const Place& place : places_) {
            char line[80];
            std::snprintf(line, sizeof line, "%d.50 %d.50 %s", place.x, place.y, place.name);
            out << line << eol;
        }
    }

  private:
    char& at(int x, int y) {
        return terrain_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    }
    int& level(int x, int y) { return level_[static_cast<std::size_t>(y * w_ + x)]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    template <typename List>
    const char* pick(const List& names, int k) const {
        return names[static_cast<std::size_t>(index_ * 2 + k) % names.size()];
    }

    // Rounded rises with a ragged rim; their upper parts are hills. Broad low swells
    // give the ground between them some relief.
    void hills() {
        for (int i = 0; i < 2; ++i) {
            rise(dice_.below(w_), dice_.below(h_), 6 + dice_.below(4), 2);
        }
        const int count = style_.hills + dice_.below(2);
        for (int i = 0; i < count; ++i) {
            const int cx = 2 + dice_.below(w_ - 4);
            const int cy = 2 + dice_.below(h_ - 4);
            rise(cx, cy, 2 + dice_.below(3), 5 + dice_.below(4));
            if (i == 0) {
                places_.push_back({cx, cy, pick(style_.heights, 0)});
                peaks_.push_back({cx, cy, nullptr});
            }
        }
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) {
                if (level(x, y) >= 5) {
                    at(x, y) = '^';
                }
            }
        }
    }

    void rise(int cx, int cy, int radius, int peak) {
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) {
                const double distance = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
                const double share = 1.0 - distance / (radius + 1.0);
                if (share > 0) {
                    level(x, y) += static_cast<int>(peak * share + 0.5) + dice_.below(2);
                }
            }
        }
    }

    void scatter(char cell, int percent) {
        for (std::string& row : terrain_) {
            for (char& c : row) {
                if (c == '.' && dice_.chance(percent)) {
                    c = cell;
                }
            }
        }
    }

    // A random walk that grows a patch of `cell`.
    void blob(char cell, int size, bool named) {
        int x = 1 + dice_.below(w_ - 2);
        int y = 1 + dice_.below(h_ - 2);
        if (named) {
            places_.push_back({x, y, pick(style_.forests, 1)});
        }
        for (int step = 0; step < size; ++step) {
            // A pond stays off the edges: water that reaches one must go on in the next panel.
            const bool edge = x == 0 || y == 0 || x == w_ - 1 || y == h_ - 1;
            if (inside(x, y) && !(cell == '~' && edge)) {
                at(x, y) = cell;
            }
            x = std::clamp(x + dice_.below(3) - 1, 0, w_ - 1);
            y = std::clamp(y + dice_.below(3) - 1, 0, h_ - 1);
        }
    }

    // Lays `cell` where a road or river passes; a road over water is a bridge.
    void pass(int x, int y, char cell) {
        char& c = at(x, y);
        if (cell == '=' && (c == '~' || c == '+')) {
            c = '+';
        } else if (!(cell == '=' && c == '=')) {
            c = cell;
        }
        if (cell == '~') {
            level(x, y) = 0;
        }
    }

    // From the top edge at `column` to the bottom edge at the same column, wandering.
    void verticalPath(int column, char cell, bool named) {
        int x = column;
        for (int y = 0; y < h_; ++y) {
            pass(x, y, cell);
            if (cell == '~' && y > 0 && y + 1 < h_ && dice_.chance(25) && x + 1 < w_) {
                pass(x + 1, y, cell);
            }
            const int left = h_ - 1 - y;
            int next = x + (dice_.chance(cell == '~' ? 45 : 20) ? dice_.below(3) - 1 : 0);
            if (std::abs(next - column) > 3 || std::abs(next - column) >= left) {
                next = x + (column > x) - (column < x);
            }
            if (next != x && y + 1 < h_) {
                pass(next, y, cell);  // keep the path joined across the bend
            }
            x = next;
        }
        if (named && index_ % 2 == 0) {
            places_.push_back({column + 1, h_ / 2, style_.river});
        }
    }

    // From the left edge at the road's row to the right edge at the same row.
    void horizontalRoad() {
        const int row = style_.roadRow;
        int y = row;
        for (int x = 0; x < w_; ++x) {
            pass(x, y, '=');
            roadside_.push_back({x, y, nullptr});
            const int left = w_ - 1 - x;
            int next = y + (dice_.chance(20) ? dice_.below(3) - 1 : 0);
            if (std::abs(next - row) > 2 || std::abs(next - row) >= left) {
                next = y + (row > y) - (row < y);
            }
            if (next != y && x + 1 < w_) {
                pass(x, next, '=');
            }
            y = next;
        }
    }

    // One or two towns beside the east-west road.
    void towns() {
        const int count = 1 + dice_.below(2);
        for (int i = 0; i < count; ++i) {
            const Place road =
                roadside_[static_cast<std::size_t>(3 + (i * w_ / 2) + dice_.below(w_ / 2 - 6))];
            const int cy = road.y + (dice_.chance(50) ? -2 : 2);
            for (int y = cy - 1; y <= cy + 1; ++y) {
                for (int x = road.x - 2; x <= road.x + 2; ++x) {
                    if (inside(x, y) && (at(x, y) == '.' || at(x, y) == ',' || at(x, y) == 'T') &&
                        dice_.chance(70)) {
                        at(x, y) = '#';
                    }
                }
            }
            if (inside(road.x, cy)) {
                at(road.x, cy) = '#';
                places_.push_back({road.x, cy, pick(style_.towns, i)});
                centres_.push_back({road.x, cy, nullptr});
            }
        }
    }

    bool near(char cell, int x, int y) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (inside(x + dx, y + dy) &&
                    terrain_[static_cast<std::size_t>(y + dy)][static_cast<std::size_t>(x + dx)] ==
                        cell) {
                    return true;
                }
            }
        }
        return false;
    }

    std::string layerRow(char letter, int y) {
        std::string row(static_cast<std::size_t>(w_), ' ');
        for (int x = 0; x < w_; ++x) {
            const char c = at(x, y);
            char& out = row[static_cast<std::size_t>(x)];
            switch (letter) {
                case 'a':  // cover
                    out = c == 'T' || c == '#' ? 'H' : c == ',' ? 'L' : ' ';
                    break;
                case 'b':  // movement
                    out = c == '=' || c == '+' ? 'R' : c == '~' ? 'W' : c == '^' ? 'S' : ' ';
                    break;
                case 'd':  // hazards beside the water
                    out = c == '.' && near('~', x, y) && (x + y) % 3 != 0 ? 'X' : ' ';
                    break;
                default:
                    break;
            }
        }
        if (letter == 'c') {  // objectives in towns, vantage points on hill tops
            for (const Place& place : centres_) {
                if (place.y == y) {
                    row[static_cast<std::size_t>(place.x)] = 'O';
                }
            }
            for (const Place& place : peaks_) {
                if (place.y == y) {
                    row[static_cast<std::size_t>(place.x)] = 'V';
                }
            }
        }
        if (letter == 'b') {
            edgeConnectors(row, y);
        }
        return row;
    }

    // The connectors on the top and bottom rows where panels meet. An R panel's top row
    // holds blank-then-connector pairs at (7, 8), (15, 16), (23, 24), which an L panel
    // above joins; an L panel's top row holds connectors at 7, 15, 23 and an R panel's
    // bottom row at 8, 16, 24, which meet when an R panel lies above an L panel.
    void edgeConnectors(std::string& row, int y) {
        for (std::size_t first : {7U, 15U, 23U}) {
            if (y == 0 && mark() == 'R') {
                row[first] = ' ';
                row[first + 1] = 'A';
            } else if (y == 0) {
                row[first] = 'A';
            } else if (y == h_ - 1) {
                row[first + 1] = 'A';
            }
        }
    }

    const SetStyle& style_;
    int w_;
    int h_;
    Dice dice_;
    int index_;
    std::vector<std::string> terrain_;
    std::vector<int> level_;
    std::vector<Place> places_;
    std::vector<Place> roadside_;
    std::vector<Place> centres_;
    std::vector<Place> peaks_;
};

std::string panelName(const SetStyle& style, const Panel& panel, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "%s-%02d%s.map", style.prefix, index + 1,
                  panel.mark() == ' ' ? "" : std::string(1, panel.mark()).c_str());
    return name;
}

bool writeFile(const std::string& path, const auto& write) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    write(out);
    out.close();
    if (!out) {
        std::cerr << "panelwright-mapgen: cannot write " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

bool writeSampleSet(const std::string& set, const std::string& folder) {
    const SetStyle* style = set == "ironfall"    ? &kIronfall
                            : set == "emberline" ? &kEmberline
                                                 : nullptr;
    if (style == nullptr) {
        std::cerr << "panelwright-mapgen: no sample set " << set << '\n';
        return false;
    }
    for (int index = 0; index < style->panels; ++index) {
        Panel panel(*style, index);
        panel.build();
        if (!writeFile(folder + "/" + panelName(*style, panel, index),
                       [&panel](std::ostream& out) { panel.write(out); })) {
            return false;
        }
    }
    return writeFile(folder + "/legend.txt", [style](std::ostream& out) { out << style->legend; });
}

}  // namespace pw::mapgen
