// SPDX-License-Identifier: GPL-3.0-or-later
// What a map file's name tells: its mark and its number label.
#include "core/mapfile/map_file_name.h"

#include <algorithm>

namespace pw {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

ParsedMapFileName parseMapFileName(std::string_view chosenName) {
    ParsedMapFileName result;
    result.upperName.reserve(chosenName.size());
    for (char c : chosenName) {
        result.upperName.push_back(upper(c));
    }
    const std::string& name = result.upperName;

    // Only the first dash counts; the number follows it directly.
    const std::size_t dash = name.find('-');
    if (dash == std::string::npos) {
        return result;
    }
    auto at = [&name](std::size_t i) { return i < name.size() ? name[i] : '\0'; };
    const char a = at(dash + 1);
    const char b = at(dash + 2);
    if (!isDigit(a)) {
        return result;
    }
    const std::size_t markPosition = isDigit(b) ? dash + 3 : dash + 2;

    // The label comes from fixed places of the name, not from the places after the dash:
    // the map sets name their panels with two letters, a dash and two digits ("IF-07L"),
    // which puts the number at places 3 and 4, and a leading '0' there is dropped ("7").
    // A name of another shape shows whatever stands there ("ABCD-12L" gives "D-").
    const std::size_t start = at(3) == '0' ? 4 : 3;
    result.numberLabel = name.substr(std::min(start, name.size()), start == 4 ? 1 : 2);
    const char mark = at(markPosition);
    if (mark == 'L' || mark == 'R') {
        result.mark = mark;
    }
    return result;
}

}  // namespace pw
