// SPDX-License-Identifier: GPL-3.0-or-later
// How every layer turns a translated text into the bytes it shows: placeholders filled
// byte for byte, and counts in the plural form of the language shown.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

namespace pw {

// `text` as tr() or QCoreApplication::translate() gave it, in UTF-8, with each %1 to %9
// replaced by its argument's bytes as they are. File names that are no UTF-8 stay what
// they were, and an argument holding "%2" is never filled again.
std::string filled(const QString& text, std::initializer_list<std::string_view> arguments = {});

// A text that shows `count` (its %n): looked up in `context` with `many` as its source, so
// that a translation gives the plural form its language takes; the call site marks the
// source with QT_TRANSLATE_N_NOOP(context, many) for lupdate. Without a translation it is
// English: `one` for a count of 1, `many` otherwise.
QString counted(const char* context, int count, const char* one, const char* many);

}  // namespace pw
