// SPDX-License-Identifier: GPL-3.0-or-later
// The map viewer: one map file as it is, in a window of its own.
#pragma once

#include <QWidget>
#include <memory>

#include "gui/common/dialog_environment.h"

class QMenu;

namespace pw::gui {

class LegendLoader;
class PreviewPane;

// One .map file shown as it is, in the composers' preview (zoom, pan, labels, layers, the
// cell under the mouse, Save Image), in its map set's legend colours when the file lies in
// a map-set folder or beside a legend, the built-in ones otherwise. A damaged file shows
// the message Save Map gives for it instead of a picture. Several may be open; each is
// deleted when it is closed.
class MapViewer : public QWidget {
    Q_OBJECT

  public:
    MapViewer(const QString& path, const DialogEnvironment& environment, QWidget* parent = nullptr);
    ~MapViewer() override;

    // Opens a viewer on `path` and shows it, a window that belongs to `parent`.
    static MapViewer* open(const QString& path, const DialogEnvironment& environment,
                           QWidget* parent);
    // Asks for a map file, beside the map saved last or in the first map set's folder, and
    // opens a viewer on it; nullptr when the user cancels.
    static MapViewer* askAndOpen(const DialogEnvironment& environment, QWidget* parent);

    // The window's File menu, for the commands that act on the map shown.
    QMenu& fileMenu() { return *fileMenu_; }

  private:
    PreviewPane* pane_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    std::unique_ptr<LegendLoader> legendLoader_;
};

}  // namespace pw::gui
