// SPDX-License-Identifier: GPL-3.0-or-later
// Labels placed inside the picture, off the compass mark and off each other.
#include "render/label_placement.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "render/palette.h"

namespace pw {
namespace {

constexpr int kMaxLabelCharacters = 60;
// Kept boxes are filed by the squares of this many pixels they touch, so that a new box
// is compared with its neighbours only, however many labels there are.
constexpr double kBucket = 64;
// A dot grows with the cells up to this radius: zoomed in far, it marks a point still.
constexpr double kLargestDotRadius = 6;
// How near a dot the mouse must be to name its label.
constexpr double kDotReach = 3;

class KeptBoxes {
  public:
    bool overlaps(const QRectF& box) const {
        bool found = false;
        forBuckets(box, [&](std::int64_t key) {
            const auto it = buckets_.find(key);
            if (it != buckets_.end()) {
                found =
                    found || std::any_of(it->second.begin(), it->second.end(),
                                         [&](const QRectF& kept) { return kept.intersects(box); });
            }
        });
        return found;
    }
    void add(const QRectF& box) {
        forBuckets(box, [&](std::int64_t key) { buckets_[key].push_back(box); });
    }

  private:
    template <typename Visit>
    static void forBuckets(const QRectF& box, Visit visit) {
        const auto first = [](double at) {
            return static_cast<std::int64_t>(std::floor(at / kBucket));
        };
        for (std::int64_t y = first(box.top()); y <= first(box.bottom()); ++y) {
            for (std::int64_t x = first(box.left()); x <= first(box.right()); ++x) {
                visit(y * (std::int64_t{1} << 32) + x);
            }
        }
    }

    std::unordered_map<std::int64_t, std::vector<QRectF>> buckets_;
};

// The text's box beside a dot, kept inside a picture of `room`.
QRectF boxBeside(const QRectF& dot, QSizeF size, QSizeF room, double ascent) {
    QRectF box(QPointF(dot.right() + 1, dot.center().y() - ascent / 2 - 1), size);
    if (box.right() > room.width()) {
        box.moveRight(dot.left() - 1);
    }
    box.moveLeft(std::clamp(box.left(), 0.0, std::max(0.0, room.width() - box.width())));
    box.moveTop(std::clamp(box.top(), 0.0, std::max(0.0, room.height() - box.height())));
    return box;
}

// The box beside a dot moved off `keepClear`: to the dot's other side, else left of the
// mark, else under it, whichever first leaves it clear and inside the picture.
QRectF boxClearOf(const QRectF& box, const QRectF& dot, QSizeF room,
                  const std::optional<QRectF>& keepClear) {
    if (!keepClear || !box.intersects(*keepClear)) {
        return box;
    }
    const QRectF picture(QPointF(0, 0), room);
    const auto inside = [&](const QRectF& moved) {
        return !moved.intersects(*keepClear) && picture.contains(moved);
    };
    const QRectF left = box.translated(dot.left() - 1 - box.right(), 0);
    const QRectF right = box.translated(dot.right() + 1 - box.left(), 0);
    const QRectF beside = box.translated(keepClear->left() - 1 - box.right(), 0);
    QRectF under = box.translated(0, keepClear->bottom() + 1 - box.top());
    for (const QRectF& moved : {left, right, beside}) {
        if (inside(moved)) {
            return moved;
        }
    }
    under.moveLeft(std::clamp(under.left(), 0.0, std::max(0.0, room.width() - under.width())));
    return under;
}

// More than any Latin-1 text's advance per character (with room for kerning); 0 without
// a font.
double widestCharacter(const std::optional<QFontMetricsF>& metrics) {
    double widest = 0;
    for (int code = 0; metrics && code < 256; ++code) {
        widest = std::max(widest, metrics->horizontalAdvance(QChar(code)));
    }
    return metrics ? widest + metrics->height() : 0;
}

// Whether `text` surely fits right of `left` without measuring it: a Latin-1 text no wider
// than `widest` a character.
bool surelyFits(const QString& text, double left, double widest, double width) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; }) &&
           left + static_cast<double>(text.size()) * widest + 4 <= width;
}

}  // namespace

std::vector<PlacedLabel> placeLabels(const std::vector<MapLabel>& labels, double pixelsPerCell,
                                     QSizeF picture, const std::optional<QFont>& font,
                                     LabelOverlap overlap, const std::optional<QRectF>& keepClear) {
    std::vector<PlacedLabel> placed;
    const double radius = std::clamp(pixelsPerCell / 3.0, 1.5, kLargestDotRadius);
    const std::optional<QFontMetricsF> metrics =
        font ? std::optional<QFontMetricsF>(*font) : std::nullopt;
    const double widest = widestCharacter(metrics);
    KeptBoxes kept;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QPointF at(double{labels[i].x} * pixelsPerCell, double{labels[i].y} * pixelsPerCell);
        if (at.x() < -radius || at.y() < -radius || at.x() > picture.width() + radius ||
            at.y() > picture.height() + radius) {
            continue;
        }
        PlacedLabel label{i, QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius),
                          QRectF(), QString()};
        if (metrics) {
            // Measuring a text lays it out: by far the dearest step. A text that surely
            // sits right of its dot, where the start of its box overlaps a kept one, is
            // left out unmeasured; any other is measured once.
            label.text = labels[i].text.left(kMaxLabelCharacters);
            const QSizeF start(4, metrics->height() + 2);
            const QRectF startBox = boxBeside(label.dot, start, picture, metrics->ascent());
            // Beside the compass mark the text may move elsewhere: measured, always.
            const bool nearMark = keepClear && startBox.bottom() >= keepClear->top() &&
                                  startBox.top() <= keepClear->bottom();
            if (overlap == LabelOverlap::LeaveOut && !nearMark &&
                surelyFits(label.text, label.dot.right() + 1, widest, picture.width()) &&
                kept.overlaps(startBox)) {
                placed.push_back(std::move(label));
                continue;
            }
            double advance = metrics->horizontalAdvance(label.text);
            const double room = picture.width() - 4;
            if (advance > room) {
                label.text = metrics->elidedText(label.text, Qt::ElideRight, std::max(room, 0.0));
                advance = metrics->horizontalAdvance(label.text);
            }
            const QSizeF size(advance + 4, metrics->height() + 2);
            const QRectF box = boxClearOf(boxBeside(label.dot, size, picture, metrics->ascent()),
                                          label.dot, picture, keepClear);
            if (overlap == LabelOverlap::DrawAll || !kept.overlaps(box)) {
                kept.add(box);
                label.box = box;
            }
        }
        placed.push_back(std::move(label));
    }
    return placed;
}

const PlacedLabel* labelAt(const std::vector<PlacedLabel>& placed, QPointF point) {
    // Dots are drawn over the texts, and the later over the earlier.
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        if (it->dot.adjusted(-kDotReach, -kDotReach, kDotReach, kDotReach).contains(point)) {
            return &*it;
        }
    }
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        if (it->box.contains(point)) {
            return &*it;
        }
    }
    return nullptr;
}

QFont mapLabelFont(double pixelsPerCell, int smallest, int largest) {
    QFont font;
    font.setPixelSize(std::clamp(static_cast<int>(pixelsPerCell * 1.5), smallest, largest));
    return font;
}

void paintLabels(QPainter& painter, const std::vector<PlacedLabel>& placed,
                 const std::optional<QFont>& font) {
    painter.save();
    if (font) {
        painter.setFont(*font);
        for (const PlacedLabel& label : placed) {
            if (label.box.isEmpty()) {
                continue;
            }
            painter.setPen(Qt::NoPen);
            QColor box(kLabelBox);
            box.setAlpha(190);
            painter.setBrush(box);
            painter.drawRect(label.box);
            painter.setPen(QColor(kLabelInk));
            painter.drawText(label.box.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             label.text);
        }
    }
    // Every place shows, also where its text was left out. Square dots: thousands of
    // labels must not cost curve drawing.
    for (const PlacedLabel& label : placed) {
        painter.fillRect(label.dot, QColor(kLabelMark));
    }
    painter.restore();
}

}  // namespace pw
