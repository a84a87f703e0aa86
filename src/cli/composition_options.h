// SPDX-License-Identifier: GPL-3.0-or-later
// The composition that merge joins and check compares, as the command line gives it.
#pragma once

#include <QCommandLineOption>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_parser.h"
#include "core/assembly/layout.h"
#include "core/assembly/merge_request.h"

namespace pw::cli {

// The composition that merge joins and check compares: layout, map set, direction, marks
// and the sources.
class CompositionOptions {
  public:
    explicit CompositionOptions(CommandParser& p);

    // The SOURCE arguments, described for --help.
    static void sourcesArgument(CommandParser& p);
    bool layoutGiven(const CommandParser& p) const { return p.isSet(layout_); }
    bool anyGiven(const CommandParser& p) const {
        return p.isSet(layout_) || p.isSet(mapSet_) || p.isSet(direction_) || p.isSet(marks_);
    }

    // The SOURCE arguments as given, bytes and all.
    static std::vector<std::string> sources(const CommandParser& p);

    // The layout, which must take as many sources as are given.
    std::variant<Layout, UsageError> layout(const CommandParser& p,
                                            const std::vector<std::string>& sources) const;

    // The rest of `request`: map set, direction and the slots with their marks.
    std::optional<UsageError> read(const CommandParser& p, const std::vector<std::string>& sources,
                                   MergeRequest& request) const;

  private:
    QCommandLineOption layout_;
    QCommandLineOption mapSet_;
    QCommandLineOption direction_;
    QCommandLineOption marks_;
};

}  // namespace pw::cli
