// SPDX-License-Identifier: GPL-3.0-or-later
// File names as bytes: Qt's text of them, whether they survive it, and how they are shown.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// File names are bytes. Qt holds them as text decoded from UTF-8, and a name whose bytes
// are not UTF-8 does not come back: it would name another file. Every path that reaches
// the program is therefore either passed on unchanged or refused.

// True when Qt's text of `bytes` names the very same bytes again (and they hold no NUL).
bool pathRoundTrips(std::string_view bytes);

// Qt's text of a path; nullopt when the bytes do not round-trip.
std::optional<QString> qtPath(std::string_view bytes);

// A name made fit for one field of a line: a backslash, tab, line feed and carriage
// return become \\ \t \n \r, every other control byte and every byte that is not part
// of UTF-8 becomes \xHH; the rest (UTF-8 text) stays as it is.
std::string escapedName(std::string_view bytes);

// The part of a path after its last '/'.
std::string_view fileNameOf(std::string_view path);

}  // namespace pw
