// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the program speaks, chosen from the environment as the system's own
// tools choose it, and the translations that make it speak so.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

namespace pw {

// The languages asked for, best first ("de_DE", "de"). The locale of messages is LC_ALL,
// else LC_MESSAGES, else LANG; none, "C" or "POSIX" asks for the untranslated English,
// whatever LANGUAGE says, so that scripts that set LC_ALL=C read today's texts. Otherwise
// LANGUAGE's list (colon-separated) comes first, then that locale's language. `variable`
// reads one environment variable (empty when unset).
QStringList wantedLanguages(const std::function<QString(const char*)>& variable);

// Installs, for the first wanted language that the program speaks, its translation and
// Qt's own, so that standard buttons and file dialogs speak it too. The program's
// translations are built into it as resources, never read from a file, so none can be
// damaged or planted; Qt's come from the system's Qt. Needs the application made.
void installTranslations(QCoreApplication& app, const QStringList& languages);
// The same for the languages of this process's environment.
void installTranslations(QCoreApplication& app);

}  // namespace pw
