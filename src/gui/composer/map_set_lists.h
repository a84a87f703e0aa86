// SPDX-License-Identifier: GPL-3.0-or-later
// The map set's files as every slot list of a composer dialog shows them, with the set's
// legend for the preview and the folder that Save As opens in.
#pragma once

#include <QString>
#include <memory>

class QComboBox;
class QObject;

namespace pw::gui {

class LegendLoader;
class MapListModel;
class PreviewPane;
struct DialogEnvironment;

// The set's folders are listed once, as the first slot list is filled, and every list
// shares what was found (MapListModel); a folder passed over and the legend read off the
// GUI thread go to the preview.
class MapSetLists {
  public:
    // The list model becomes a child of `owner`.
    MapSetLists(int mapSetIndex, const DialogEnvironment& environment, PreviewPane& preview,
                QObject& owner);
    ~MapSetLists();
    MapSetLists(const MapSetLists&) = delete;
    MapSetLists& operator=(const MapSetLists&) = delete;

    MapListModel& names() const { return *names_; }
    // Fills `list` with the set's files, nothing chosen; false when no folder of the set
    // was found, and the list stays empty.
    bool fill(QComboBox& list);
    // Where Save As opens while no name is remembered: the set's first folder, or where
    // that is read-only (installed), the user's own folder of the set, made once offered.
    QString offeredSaveFolder() const;

  private:
    const int mapSetIndex_;
    const DialogEnvironment& environment_;
    PreviewPane& preview_;
    MapListModel* names_;
    bool listed_ = false;
    bool found_ = false;
    QString saveFolder_;
    std::unique_ptr<LegendLoader> legendLoader_;  // last: it calls into the preview
};

}  // namespace pw::gui
