// SPDX-License-Identifier: GPL-3.0-or-later
// What the preview's picture shows, in words for screen readers.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace pw {
struct MergeRequest;
struct PreviewResult;
}  // namespace pw

namespace pw::gui {

class PictureSummary {
    Q_DECLARE_TR_FUNCTIONS(PictureSummary)

  public:
    // The layout and size of the picture of `request`, then each slot's panel or, for a slot
    // that failed, the message drawn in its place, then what the picture shows only by
    // colour (the cells the fix-ups changed); a single map: its name and size.
    static QString of(const PreviewResult& result, const MergeRequest& request);
};

}  // namespace pw::gui
