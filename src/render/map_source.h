// SPDX-License-Identifier: GPL-3.0-or-later
// A map that a picture reads from its start as often as it needs.
#pragma once

#include <QByteArray>
#include <functional>
#include <optional>
#include <string>

#include "core/common/problem.h"
#include "core/mapfile/line_reader.h"

namespace pw {

// A file, or a map joined in memory. Reading it again costs no memory: only the rows in
// hand are kept.
struct MapSource {
    std::string name;  // as messages name the map (escaped)
    std::function<std::optional<LineReader>()> open;
    std::optional<Problem> problem;  // why it can never be opened, known beforehand

    static MapSource file(const std::string& path);
    static MapSource bytes(const QByteArray& bytes, std::string name);
};

}  // namespace pw
