// SPDX-License-Identifier: GPL-3.0-or-later
// A panel's L/R mark, "no mark", and how files and the command line spell them.
#include "core/mapfile/mark.h"

namespace pw {
namespace {
constexpr char kNoMarkField = '-';
constexpr std::string_view kNoMarkWord = "none";
}  // namespace

char markField(std::optional<Mark> mark) {
    return mark ? markLetter(*mark) : kNoMarkField;
}

std::optional<std::optional<Mark>> markFromField(char letter) {
    if (letter == kNoMarkField) {
        return std::optional<Mark>();
    }
    if (const std::optional<Mark> mark = markOfLetter(letter)) {
        return mark;
    }
    return std::nullopt;
}

std::string_view markWord(std::optional<Mark> mark) {
    if (!mark) {
        return kNoMarkWord;
    }
    return *mark == Mark::L ? "L" : "R";
}

std::optional<std::optional<Mark>> markFromWord(std::string_view word) {
    if (word == kNoMarkWord) {
        return std::optional<Mark>();
    }
    if (word.size() == 1) {
        if (const std::optional<Mark> mark = markOfLetter(word.front())) {
            return mark;
        }
    }
    return std::nullopt;
}

}  // namespace pw
