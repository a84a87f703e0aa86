// SPDX-License-Identifier: GPL-3.0-or-later
// The map set's files as the slot lists show them, with marks and pictures.
#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QSize>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_summary.h"
#include "gui/composer/map_file_scanner.h"

namespace pw::gui {

// The map files of one map set, shared by every slot list of a composer dialog. A name
// that cannot join the panel chosen in slot 1 (another size, a submap, unreadable, or
// damaged further on: ending early, layer letters out of order) is shown greyed with a
// mark and says why in its tooltip and to a screen reader (its accessible description);
// it stays where it is and can still be chosen. The files are read in the background,
// headers first, never on the GUI thread, so the lists are there at once. Each name shows
// a small picture of its panel, drawn in the background too (or found again where the
// pictures are kept) and filled in as it comes.
class MapListModel : public QAbstractListModel {
  public:
    // The file system's bytes (QByteArray): where Save Map opens the name, and the name
    // itself; the list shows the name escaped (escapedName).
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int FileNameRole = Qt::UserRole + 1;
    // The picture beside a name in the open list: it reads well in a list of names, and
    // panels are mostly wider than high.
    static constexpr QSize kPictureSize{48, 32};
    // What the closed drop-down shows beside the chosen name: the mark, or a glimpse of
    // the picture. Small, so that the slots keep their template's size.
    static constexpr QSize kIconSize{12, 12};

    // Where the pictures are kept between runs (empty: nowhere) and the folder whose
    // legend colours them (empty: the built-in colours).
    struct PictureSource {
        QString cacheFolder;
        QString legendFolder;
    };

    explicit MapListModel(QObject* parent = nullptr);
    ~MapListModel() override;

    // Replaces the list and starts reading its files and drawing their pictures.
    void setMaps(std::vector<ListedMap> maps, PictureSource pictures = {});
    // The row that opens `path`, adding the file at the end of the list when the map-set
    // folders do not hold it (its tooltip then names its folder); -1 for a file that is
    // not there.
    int rowForFile(const QString& path);
    // The file name's bytes at `row`; empty for no row.
    std::string fileName(int row) const;
    // The row slot 1 has chosen, which every size is compared with; -1 for none.
    void setReference(int row);
    // True once every file has also been read through whole.
    bool wholeChecked() const { return wholePending_ == 0; }
    // What reading `row` through found, in Save Map's words; empty while it reads well, is
    // not read yet, or for no row.
    std::string wholeProblem(int row) const;
    // True once every picture has been drawn or found (or could not be drawn).
    bool picturesDone() const { return picturesPending_ == 0; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    void takeHeaders(std::size_t first, std::vector<MapSummary> headers);
    void takeWholeProblems(std::size_t first, std::vector<std::string> problems);
    void takePictures(std::size_t first, std::vector<QImage> pictures);
    MapFileScanner::Pictures pictureRequest(std::size_t first);
    // Reads `row` off the GUI thread ahead of the rest: its header, and with `whole` the
    // whole file too.
    void readAhead(std::size_t row, bool whole);
    // Why the row cannot join slot 1's panel; empty when it can or is not read yet.
    QString problem(std::size_t row) const;
    QString toolTip(std::size_t row) const;
    void marksChanged();

    std::vector<ListedMap> maps_;
    std::vector<QString> names_;
    std::vector<std::optional<MapSummary>> headers_;
    std::size_t listedCount_ = 0;  // the rows from the map-set folders; the rest were added
    std::vector<std::string> wholeProblems_;  // empty until read, or when whole
    std::size_t wholePending_ = 0;
    int reference_ = -1;
    PictureSource pictureSource_;
    qreal pictureRatio_ = 1;            // pixels of a picture to the list's
    std::vector<QIcon> pictures_;       // shown for a name that fits; null until drawn
    std::vector<QIcon> fadedPictures_;  // for one that does not
    std::size_t picturesPending_ = 0;
    QIcon misfitIcon_;  // a name that cannot join and has no picture
    QIcon blankIcon_;
    std::unique_ptr<MapFileScanner> scanner_;  // last: stops before the rest goes
    // Files needed ahead of the list's reading: slot 1's, a file dropped from elsewhere.
    std::vector<std::unique_ptr<MapFileScanner>> aheadScanners_;
};

}  // namespace pw::gui
