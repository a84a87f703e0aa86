// SPDX-License-Identifier: GPL-3.0-or-later
// How every layer turns a translated text into the bytes it shows.
#include "core/common/translated_text.h"

#include <QCoreApplication>

namespace pw {

std::string filled(const QString& text, std::initializer_list<std::string_view> arguments) {
    const QByteArray bytes = text.toUtf8();
    std::string result;
    result.reserve(static_cast<std::size_t>(bytes.size()));
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const char here = bytes[at];
        const char next = at + 1 < bytes.size() ? bytes[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (here == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            result += *(arguments.begin() + index);
            ++at;
        } else {
            result += here;
        }
    }
    return result;
}

QString counted(const char* context, int count, const char* one, const char* many) {
    const QString translated = QCoreApplication::translate(context, many, nullptr, count);
    const QString number = QString::number(count);
    // translate() gives the source back, its %n filled, when no translation has it.
    const bool untranslated =
        translated == QString::fromUtf8(many).replace(QStringLiteral("%n"), number);
    if (untranslated && count == 1) {
        return QString::fromUtf8(one).replace(QStringLiteral("%n"), number);
    }
    return translated;
}

}  // namespace pw
