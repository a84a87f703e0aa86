// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/setup_commands.h"

#include <QDir>
#include <QFileInfo>
#include <iostream>

#include "cli/commands.h"
#include "cli/standard_output.h"
#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/mapfile/map_listing.h"
#include "core/setup/setup_file.h"
#include "core/setup/setup_paths.h"

namespace pw::cli {
namespace {

// A setup that names no output map writes NAME.map beside NAME.pwsetup.
std::string defaultOutput(const std::string& setupPath) {
    QString name = QFileInfo(QString::fromStdString(setupPath)).fileName();
    if (name.endsWith(QString::fromLatin1(kSetupSuffix))) {
        name.chop(static_cast<qsizetype>(std::char_traits<char>::length(kSetupSuffix)));
    }
    return (name + QStringLiteral(".map")).toStdString();
}

// Runs one setup from within its own folder, so that its relative paths name the files in
// every message as they name them in the setup.
bool runSetup(const std::string& file, const std::vector<std::string>& roots, bool dryRun) {
    const ReadSetup read = readSetupFile(file);
    if (!read.setup) {
        std::cerr << read.problem->message << '\n';
        return false;
    }
    const Setup& setup = *read.setup;
    const SetupPlaces places(file, roots);
    MergeCommand command;
    command.request = places.request(setup);
    command.outputPath = setup.output.empty() ? defaultOutput(file) : setup.output;
    if (!setup.picture.empty()) {
        command.imagePath = setup.picture;
        command.picture.file.format = formatForName(setup.picture).value_or(PictureFormat::Png);
    }
    const QString setupFile = QFileInfo(QString::fromStdString(file)).absoluteFilePath();
    for (const std::string& written : {command.outputPath, setup.picture}) {
        if (!written.empty() && QString::fromStdString(places.resolveFile(written)) == setupFile) {
            std::cerr << messages::setupProblem(file, messages::setup::outputIsSetup()) << '\n';
            return false;
        }
    }
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(QFileInfo(setupFile).absolutePath());
    const bool joined = joinAndDraw(command, MergeMode{false, dryRun});
    QDir::setCurrent(startFolder);
    return joined;
}

}  // namespace

std::optional<Problem> saveSetupOf(const MergeCommand& command) {
    const std::string image = command.imagePath.value_or("");
    std::optional<std::string> unnamed =
        SetupPlaces::unnameable(command.request, command.outputPath, image);
    if (!pathRoundTrips(*command.setupPath)) {
        unnamed = escapedName(*command.setupPath);
    }
    if (unnamed) {
        return Problem{messages::nameNotUtf8(*unnamed)};
    }
    const SetupPlaces places(*command.setupPath, mapSetRoots());
    return writeSetupFile(*command.setupPath, places.setupOf(command.request, command.outputPath,
                                                             command.imagePath.value_or("")));
}

int runSetups(const RunCommand& command) {
    const std::vector<std::string> roots = mapSetRoots();
    int status = 0;
    for (const std::string& file : command.setups) {
        const bool ok = runSetup(file, roots, command.dryRun);
        const bool printed = printStandardOutput((!ok              ? messages::runFailed(file)
                                                  : command.dryRun ? messages::runChecked(file)
                                                                   : messages::runSucceeded(file)) +
                                                 '\n');
        status = ok && printed ? status : 1;
    }
    return status;
}

}  // namespace pw::cli
