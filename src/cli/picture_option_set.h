// SPDX-License-Identifier: GPL-3.0-or-later
// The options of a picture file that render and merge --image share, on the command line.
#pragma once

#include <QCommandLineOption>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_parser.h"
#include "cli/parsed_command.h"
#include "jobs/picture_rules.h"

namespace pw::cli {

// The options of a picture file that render and merge --image share.
class PictureOptionSet {
  public:
    explicit PictureOptionSet(CommandParser& p);

    // Reads them into `picture`: the format from --format, else from `outputName`.
    std::optional<UsageError> read(const CommandParser& p, const std::string& outputName,
                                   PictureChoice& picture) const;
    // Whether any of them is given.
    bool anySet(const CommandParser& p) const;
    // Reads every option of `valued` that is given, in order; the first refusal.
    static std::optional<UsageError> readValued(
        const CommandParser& p,
        const std::vector<std::pair<const QCommandLineOption*, PictureOption>>& valued,
        PictureChoice& picture);

  private:
    QCommandLineOption show_, scale_, dpi_, format_, paper_, cellMm_, grid_;
};

}  // namespace pw::cli
