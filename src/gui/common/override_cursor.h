// SPDX-License-Identifier: GPL-3.0-or-later
// A cursor over the whole application for as long as a scope lasts.
#pragma once

#include <QGuiApplication>

namespace pw::gui {

// Puts a cursor over the whole application for as long as it lives; the previous one
// comes back on every way out of the scope.
class OverrideCursor {
  public:
    explicit OverrideCursor(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(shape); }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

}  // namespace pw::gui
