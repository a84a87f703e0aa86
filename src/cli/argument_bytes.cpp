// SPDX-License-Identifier: GPL-3.0-or-later
// Arguments' bytes held in Qt's strings and given back unchanged.
#include "cli/argument_bytes.h"

namespace pw::cli {

QString ArgumentBytes::toText(const std::string& bytes) {
    QString text = QString::fromStdString(bytes);
    if (text.toStdString() == bytes) {
        return text;
    }
    text.clear();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < 0x80 ? QChar(byte) : QChar(static_cast<char16_t>(0xDC00 + byte));
    }
    return text;
}

std::string ArgumentBytes::fromText(const QString& text) {
    std::string bytes;
    qsizetype run = 0;  // where the text not yet converted starts
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const char16_t unit = i < text.size() ? text[i].unicode() : 0;
        const bool heldByte = unit >= 0xDC80 && unit <= 0xDCFF &&
                              (i == 0 || !QChar::isHighSurrogate(text[i - 1].unicode()));
        if (heldByte || i == text.size()) {
            bytes += text.sliced(run, i - run).toStdString();
            run = i + 1;
        }
        if (heldByte) {
            bytes += static_cast<char>(unit - 0xDC00);
        }
    }
    return bytes;
}

}  // namespace pw::cli
