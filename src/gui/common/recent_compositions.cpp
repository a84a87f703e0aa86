// SPDX-License-Identifier: GPL-3.0-or-later
// The recent compositions: setup files in the data folder, listed by name in the settings.
#include "gui/common/recent_compositions.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>

#include "core/setup/setup_file.h"
#include "gui/common/dialog_environment.h"

namespace pw::gui {
namespace {

constexpr auto kRecentCompositionsKey = "Compositions/Recent";
// The one composition earlier versions kept.
constexpr auto kLastCompositionFile = "last-composition.pwsetup";

// The listed file names, newest first, whether or not the files are there.
QStringList listedNames(QSettings& settings) {
    return settings.contains(kRecentCompositionsKey)
               ? settings.value(kRecentCompositionsKey).toStringList()
               : QStringList{QString::fromLatin1(kLastCompositionFile)};
}

std::optional<Setup> readKept(const QDir& folder, const QString& name) {
    // A listed name is a file of the folder, never a path leading elsewhere.
    if (name.isEmpty() || name.contains(u'/')) {
        return std::nullopt;
    }
    return readSetupFile(folder.filePath(name).toStdString()).setup;
}

}  // namespace

QString compositionSetupPath(const DialogEnvironment& environment) {
    return environment.dataFolder.isEmpty()
               ? QString()
               : QDir(environment.dataFolder).filePath(QString::fromLatin1(kLastCompositionFile));
}

std::vector<KeptComposition> recentCompositions(const DialogEnvironment& environment) {
    std::vector<KeptComposition> kept;
    if (environment.dataFolder.isEmpty()) {
        return kept;
    }
    const QDir folder(environment.dataFolder);
    for (const QString& name : listedNames(*environment.settings)) {
        if (std::optional<Setup> setup = readKept(folder, name)) {
            kept.push_back({folder.filePath(name), std::move(*setup)});
        }
        if (kept.size() == static_cast<std::size_t>(kRecentCompositionCount)) {
            break;
        }
    }
    return kept;
}

std::optional<Problem> keepComposition(const DialogEnvironment& environment, const Setup& setup) {
    const QDir folder(environment.dataFolder);
    QSettings& settings = *environment.settings;
    const QStringList listed = listedNames(settings);
    QStringList kept;
    std::optional<QString> equal;
    for (const QString& name : listed) {
        const std::optional<Setup> held = readKept(folder, name);
        if (held && *held == setup && !equal) {
            equal = name;
        } else if (held) {
            kept.append(name);
        }
    }
    QString newest;
    if (equal) {
        newest = *equal;
    } else {
        // A name no listed file has, so that the files listed now stay as they are until
        // the new one is complete.
        for (int number = 1; newest.isEmpty() || listed.contains(newest); ++number) {
            newest = QStringLiteral("composition-%1.pwsetup").arg(number);
        }
        QDir().mkpath(folder.path());
        if (std::optional<Problem> problem =
                writeSetupFile(folder.filePath(newest).toStdString(), setup)) {
            return problem;
        }
    }
    const QStringList dropped = kept.mid(kRecentCompositionCount - 1);
    kept = kept.mid(0, kRecentCompositionCount - 1);
    kept.prepend(newest);
    settings.setValue(kRecentCompositionsKey, kept);
    for (const QString& name : dropped) {
        QFile::remove(folder.filePath(name));
    }
    return std::nullopt;
}

}  // namespace pw::gui
