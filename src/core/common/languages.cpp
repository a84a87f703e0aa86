// SPDX-License-Identifier: GPL-3.0-or-later
// The language chosen from the environment and the translations installed for it.
#include "core/common/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

namespace pw {
namespace {

// "de_DE.UTF-8@euro" -> "de_DE": what a translation's file name can carry.
QString languageOf(QString locale) {
    const qsizetype end = locale.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    return end < 0 ? locale : locale.left(end);
}

// "de_DE" then "de", each once, in the order asked.
void addWithFallback(QStringList& languages, const QString& language) {
    if (language.isEmpty()) {
        return;
    }
    for (const QString& each : {language, language.section(u'_', 0, 0)}) {
        if (!each.isEmpty() && !languages.contains(each)) {
            languages.append(each);
        }
    }
}

}  // namespace

QStringList wantedLanguages(const std::function<QString(const char*)>& variable) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty()) {
            break;
        }
    }
    const QString language = languageOf(locale);
    if (language.isEmpty() || language == u"C" || language == u"POSIX") {
        return {};
    }
    QStringList languages;
    for (const QString& asked : variable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
        addWithFallback(languages, languageOf(asked));
    }
    addWithFallback(languages, language);
    return languages;
}

namespace {

// A translation loaded from `folder`, handed to the application (its parent from then on),
// or nothing when there is none or it translates nothing yet (Qt would install such a
// file, yet say it did not, and the next language would be tried beside it).
bool installTranslation(QCoreApplication& app, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || translator->isEmpty()) {
        return false;
    }
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

}  // namespace

void installTranslations(QCoreApplication& app, const QStringList& languages) {
    for (const QString& language : languages) {
        if (language == u"en") {
            return;  // the source texts are English
        }
        // Built in as resources (see translations/CMakeLists.txt).
        if (installTranslation(app, QStringLiteral("panelwright_") + language,
                               QStringLiteral(":/translations"))) {
            installTranslation(app, QStringLiteral("qtbase_") + language,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void installTranslations(QCoreApplication& app) {
    installTranslations(
        app, wantedLanguages([](const char* name) { return qEnvironmentVariable(name); }));
}

}  // namespace pw
