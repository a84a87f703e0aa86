// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line arguments carried through Qt's strings with every byte kept.
#pragma once

#include <QString>
#include <string>

namespace pw::cli {

// Arguments are bytes, and paths among them must reach the file system unchanged. An
// argument that is not UTF-8 is read with each of its bytes from 0x80 up held as a lone
// surrogate U+DC80 to U+DCFF, which no UTF-8 text gives, so that its bytes come back.
class ArgumentBytes {
  public:
    static QString toText(const std::string& bytes);
    static std::string fromText(const QString& text);
};

}  // namespace pw::cli
