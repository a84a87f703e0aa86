// SPDX-License-Identifier: GPL-3.0-or-later
// Keys given twice in a setup's JSON text, found before Qt's reader drops one.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>

namespace pw {

// A key that one object of a setup's JSON text gives twice. Qt's reader keeps one of the
// two values without a word, so the text is walked for them before it is read.
struct DuplicateKey {
    std::string where;  // "" for the top level, "slot 2", "picture"
    std::string key;
};

// The first key given twice in `json`, which must be valid JSON; nullopt when there is none.
std::optional<DuplicateKey> findDuplicateKey(const QByteArray& json);

}  // namespace pw
