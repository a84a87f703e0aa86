// SPDX-License-Identifier: GPL-3.0-or-later
// A panel's L/R mark, "no mark", and how files and the command line spell them.
#pragma once

#include <optional>
#include <string_view>

namespace pw {

// The L or R a panel's name carries, which decides how its junctions are fixed up. A name,
// slot or source without one holds std::optional<Mark>'s nullopt: that is "no mark".
enum class Mark : char { L = 'L', R = 'R' };

// 'L' or 'R', as names, messages and the dialogs show a mark.
constexpr char markLetter(Mark mark) {
    return static_cast<char>(mark);
}

// The mark an 'L' or an 'R' stands for; no mark for any other letter.
constexpr std::optional<Mark> markOfLetter(char letter) {
    if (letter == 'L' || letter == 'R') {
        return static_cast<Mark>(letter);
    }
    return std::nullopt;
}

// The command line's spelling (--marks, and the mark field of `list`): L, R, or '-' for no
// mark.
char markField(std::optional<Mark> mark);
// A mark or no mark from that spelling; nullopt for a letter that is none of the three.
std::optional<std::optional<Mark>> markFromField(char letter);

// A setup file's spelling: "L", "R", or "none".
std::string_view markWord(std::optional<Mark> mark);
// A mark or no mark from that spelling; nullopt for a word that is none of the three.
std::optional<std::optional<Mark>> markFromWord(std::string_view word);

}  // namespace pw
