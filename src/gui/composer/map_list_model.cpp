// SPDX-License-Identifier: GPL-3.0-or-later
// The map set's files as the slot lists show them, with marks and pictures.
#include "gui/composer/map_list_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QPixmap>
#include <QtMath>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/pipeline/source_check.h"
#include "gui/composer/map_file_scanner.h"
#include "gui/composer/panel_icon.h"

namespace pw::gui {
namespace {

// What shows whether a name can join: its grey, its mark, and the reason in its tooltip
// and in what a screen reader reads of it.
const QList<int> kMarkRoles = {Qt::ForegroundRole, Qt::DecorationRole, Qt::ToolTipRole,
                               Qt::AccessibleDescriptionRole};

}  // namespace

MapListModel::MapListModel(QObject* parent)
    : QAbstractListModel(parent),
      // Sharp on the sharpest screen there is.
      pictureRatio_(qCeil(qGuiApp->devicePixelRatio())),
      misfitIcon_(panelIcon(kPictureSize, kIconSize, pictureRatio_, QImage(),
                            QIcon(QStringLiteral(":/art/misfit.svg")))),
      blankIcon_(panelIcon(kPictureSize, kIconSize, pictureRatio_, QImage())) {}

MapListModel::~MapListModel() = default;

void MapListModel::setMaps(std::vector<ListedMap> maps, PictureSource pictures) {
    beginResetModel();
    scanner_.reset();
    aheadScanners_.clear();
    maps_ = std::move(maps);
    names_.clear();
    std::vector<std::pair<std::string, std::string>> paths;
    for (const ListedMap& map : maps_) {
        const std::string shown = escapedName(map.name);
        names_.push_back(QString::fromStdString(shown));
        paths.emplace_back(map.path, shown);
    }
    headers_.assign(maps_.size(), std::nullopt);
    wholeProblems_.assign(maps_.size(), std::string());
    wholePending_ = maps_.size();
    listedCount_ = maps_.size();
    reference_ = -1;
    pictureSource_ = std::move(pictures);
    pictures_.assign(maps_.size(), QIcon());
    fadedPictures_.assign(maps_.size(), QIcon());
    picturesPending_ = maps_.size();
    endResetModel();
    scanner_ = std::make_unique<MapFileScanner>(
        std::move(paths),
        [this](std::size_t first, std::vector<MapSummary> headers) {
            takeHeaders(first, std::move(headers));
        },
        [this](std::size_t first, std::vector<std::string> problems) {
            takeWholeProblems(first, std::move(problems));
        },
        pictureRequest(0));
}

MapFileScanner::Pictures MapListModel::pictureRequest(std::size_t first) {
    return {pictureSource_.cacheFolder, pictureSource_.legendFolder, kPictureSize * pictureRatio_,
            [this, first](std::size_t at, std::vector<QImage> pictures) {
                takePictures(first + at, std::move(pictures));
            }};
}

int MapListModel::rowForFile(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return -1;
    }
    const QString wanted = QDir::cleanPath(file.absoluteFilePath());
    for (std::size_t row = 0; row < maps_.size(); ++row) {
        if (QDir::cleanPath(
                QFileInfo(QString::fromStdString(maps_[row].path)).absoluteFilePath()) == wanted) {
            return static_cast<int>(row);
        }
    }
    const int row = static_cast<int>(maps_.size());
    beginInsertRows(QModelIndex(), row, row);
    maps_.push_back({QFile::encodeName(file.fileName()).toStdString(),
                     QFile::encodeName(wanted).toStdString(),
                     QFile::encodeName(file.absolutePath()).toStdString()});
    names_.push_back(QString::fromStdString(escapedName(maps_.back().name)));
    headers_.push_back(std::nullopt);
    wholeProblems_.emplace_back();
    ++wholePending_;
    pictures_.emplace_back();
    fadedPictures_.emplace_back();
    ++picturesPending_;
    endInsertRows();
    readAhead(static_cast<std::size_t>(row), true);
    return row;
}

void MapListModel::setReference(int row) {
    const bool valid = row >= 0 && static_cast<std::size_t>(row) < maps_.size();
    reference_ = valid ? row : -1;
    // Slot 1's own header is needed first, not when the list's reading gets to it.
    if (valid && !headers_[static_cast<std::size_t>(row)]) {
        readAhead(static_cast<std::size_t>(row), false);
    }
    marksChanged();
}

void MapListModel::readAhead(std::size_t row, bool whole) {
    aheadScanners_.push_back(std::make_unique<MapFileScanner>(
        std::vector{std::pair(maps_[row].path, names_[row].toStdString())},
        [this, row](std::size_t, std::vector<MapSummary> headers) {
            takeHeaders(row, std::move(headers));
        },
        [this, row, whole](std::size_t, std::vector<std::string> problems) {
            if (whole) {  // otherwise the list's own reading tells it
                takeWholeProblems(row, std::move(problems));
            }
        },
        // A file added to the list is drawn here; the list's own files by its reading.
        whole ? std::optional(pictureRequest(row)) : std::nullopt));
}

std::string MapListModel::fileName(int row) const {
    const bool valid = row >= 0 && static_cast<std::size_t>(row) < maps_.size();
    return valid ? maps_[static_cast<std::size_t>(row)].name : std::string();
}

void MapListModel::takeHeaders(std::size_t first, std::vector<MapSummary> headers) {
    for (std::size_t i = 0; i < headers.size() && first + i < headers_.size(); ++i) {
        if (!headers_[first + i]) {
            headers_[first + i] = headers[i];
        }
    }
    if (headers.empty()) {
        return;
    }
    // Slot 1's header among them changes every mark; otherwise only these rows change.
    const auto reference = static_cast<std::size_t>(reference_);
    if (reference_ >= 0 && reference >= first && reference < first + headers.size()) {
        marksChanged();
        return;
    }
    Q_EMIT dataChanged(index(static_cast<int>(first)),
                       index(static_cast<int>(first + headers.size() - 1)), kMarkRoles);
}

void MapListModel::takeWholeProblems(std::size_t first, std::vector<std::string> problems) {
    for (std::size_t i = 0; i < problems.size() && first + i < wholeProblems_.size(); ++i) {
        wholeProblems_[first + i] = std::move(problems[i]);
        --wholePending_;
    }
    if (!problems.empty()) {
        Q_EMIT dataChanged(index(static_cast<int>(first)),
                           index(static_cast<int>(first + problems.size() - 1)), kMarkRoles);
    }
}

void MapListModel::takePictures(std::size_t first, std::vector<QImage> pictures) {
    const QIcon mark(QStringLiteral(":/art/misfit.svg"));
    for (std::size_t i = 0; i < pictures.size() && first + i < pictures_.size(); ++i) {
        const std::size_t row = first + i;
        if (!pictures[i].isNull()) {
            pictures_[row] = panelIcon(kPictureSize, kIconSize, pictureRatio_, pictures[i]);
            fadedPictures_[row] =
                panelIcon(kPictureSize, kIconSize, pictureRatio_, pictures[i], mark);
        }
        --picturesPending_;
    }
    if (!pictures.empty()) {
        Q_EMIT dataChanged(index(static_cast<int>(first)),
                           index(static_cast<int>(first + pictures.size() - 1)),
                           {Qt::DecorationRole});
    }
}

void MapListModel::marksChanged() {
    if (!maps_.empty()) {
        Q_EMIT dataChanged(index(0), index(static_cast<int>(maps_.size()) - 1), kMarkRoles);
    }
}

int MapListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(maps_.size());
}

QVariant MapListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= maps_.size()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return names_[row];
        case PathRole:
            return QByteArray::fromStdString(maps_[row].path);
        case FileNameRole:
            return QByteArray::fromStdString(maps_[row].name);
        case Qt::ToolTipRole:
            return toolTip(row);
        case Qt::AccessibleDescriptionRole:
            // What the grey and the mark show, in words a screen reader reads.
            return problem(row);
        case Qt::ForegroundRole:
            if (!problem(row).isEmpty()) {
                return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
            }
            return {};
        case Qt::DecorationRole:
            // Every name has its picture's room, so that the names stay in line.
            if (!problem(row).isEmpty()) {
                return fadedPictures_[row].isNull() ? misfitIcon_ : fadedPictures_[row];
            }
            return pictures_[row].isNull() ? blankIcon_ : pictures_[row];
        default:
            return {};
    }
}

std::string MapListModel::wholeProblem(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < wholeProblems_.size()
               ? wholeProblems_[static_cast<std::size_t>(row)]
               : std::string();
}

QString MapListModel::problem(std::size_t row) const {
    const std::optional<MapSummary>& summary = headers_[row];
    if (!summary) {
        return {};
    }
    std::optional<std::string> found;
    if (summary->problem) {
        found = summary->problem->message;
    } else if (reference_ >= 0) {
        const auto reference = static_cast<std::size_t>(reference_);
        const std::optional<MapSummary>& chosen = headers_[reference];
        // A slot-1 choice that cannot join anything is no measure for the others; sizes
        // are compared as Save Map compares them.
        if (chosen && !chosen->problem) {
            if (const std::optional<Problem> misfit =
                    checkSameSize(summary->header, names_[row].toStdString(), chosen->header,
                                  names_[reference].toStdString())) {
                found = misfit->message;
            }
        }
    }
    // Save Map checks the sizes before it reads a source through. A tooltip is no error
    // box: the reasons without Save Map's "ERROR: ".
    QStringList reasons;
    for (const std::string& reason : {found.value_or(std::string()), wholeProblems_[row]}) {
        if (!reason.empty()) {
            reasons.append(QString::fromStdString(messages::reasonOf(reason)));
        }
    }
    return reasons.join(QLatin1Char('\n'));
}

QString MapListModel::toolTip(std::size_t row) const {
    const std::optional<MapSummary>& summary = headers_[row];
    if (!summary) {
        return {};
    }
    // A file from outside the map-set folders says where it is.
    const QString folder = row < listedCount_
                               ? QString()
                               : QString::fromStdString(maps_[row].folder) + QLatin1Char('\n');
    if (summary->problem) {
        return folder + problem(row);
    }
    const QString size =
        QString::fromStdString(messages::sizeText(summary->header.length, summary->header.height));
    const QString why = problem(row);
    return folder + (why.isEmpty() ? size : size + QLatin1Char('\n') + why);
}

}  // namespace pw::gui
