// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the user's guide that each window opens on F1.
#pragma once

#include <QString>

#include "core/assembly/layout.h"

namespace pw::gui::guide {

// Files of the guide (docs/guide in the sources), each perhaps with the anchor of a heading
// as a forge names it: lower case, blanks as hyphens, other punctuation left out.
inline constexpr char kContents[] = "index.md";
inline constexpr char kMainDialog[] = "getting-started.md";
inline constexpr char kMapViewer[] = "map-viewer.md";
inline constexpr char kPrinting[] = "pictures-and-print.md#printing";
inline constexpr char kTroubleshooting[] = "troubleshooting.md";

// A composer's page: the section of its layout, headed by the layout's name, which the
// command line spells as the anchor spells the heading ("composing.md#end-to-end").
inline QString composerPage(Layout layout) {
    const std::string_view name = layoutName(layout);
    return QStringLiteral("composing.md#") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace pw::gui::guide
