// SPDX-License-Identifier: GPL-3.0-or-later
// File names as bytes: Qt's text of them, whether they survive it, and how they are shown.
#include "core/common/path_bytes.h"

#include <QFile>
#include <algorithm>

namespace pw {
namespace {

// The length of the well-formed UTF-8 sequence that starts `text`, 0 when there is none
// (a stray continuation byte, an overlong form, a surrogate, beyond U+10FFFF, cut off).
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    // The second byte's range is narrower after E0, ED, F0 and F4.
    const unsigned char second = byte(1);
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool isControl(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    // C0 controls, DEL, and the C1 controls U+0080 to U+009F (C2 80 to C2 9F).
    return lead < 0x20 || lead == 0x7F ||
           (lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0);
}

void appendHex(std::string& text, unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    text += "\\x";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
}

}  // namespace

bool pathRoundTrips(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) {
        return false;  // the system would read the name only as far as the NUL
    }
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QFile::encodeName(QFile::decodeName(raw)) == raw;
}

std::optional<QString> qtPath(std::string_view bytes) {
    if (!pathRoundTrips(bytes)) {
        return std::nullopt;
    }
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string escapedName(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = utf8SequenceLength(bytes);
        const std::string_view sequence = bytes.substr(0, std::max<std::size_t>(length, 1));
        const char c = sequence[0];
        if (c == '\\' || c == '\t' || c == '\n' || c == '\r') {
            text += '\\';
            text += c == '\\' ? '\\' : c == '\t' ? 't' : c == '\n' ? 'n' : 'r';
        } else if (length == 0 || isControl(sequence)) {
            for (const char byte : sequence) {
                appendHex(text, static_cast<unsigned char>(byte));
            }
        } else {
            text += sequence;
        }
        bytes.remove_prefix(sequence.size());
    }
    return text;
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace pw
