#include "graph/qt/plot_overlays.h"

#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QPainterPath>
#include <QPen>
#include <algorithm>

#include "graph/quantity_series.h"

namespace kestrova {

namespace {

// Under the series (drawn at 4), over the grid.
constexpr qreal behind_lines = 3.5;
constexpr double dash = 6, gap = 4;  // pixels

QPen cosmetic(QColor colour) {
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    return pen;
}

}  // namespace

PlotOverlays::PlotOverlays(QGraphicsItem* chart, std::span<const QColor, chart_lines> colours)
    : clip_(new QGraphicsRectItem(chart)) {
    clip_->setPen(Qt::NoPen);
    clip_->setFlag(QGraphicsItem::ItemClipsChildrenToShape);
    clip_->setZValue(behind_lines);
    for (std::size_t c = 0; c < chart_lines; ++c) {
        limits_[c] = new QGraphicsPathItem(clip_);
        limits_[c]->setPen(cosmetic(colours[c]));
        QColor faint = colours[c];
        faint.setAlpha(70);
        previous_[c] = new QGraphicsPathItem(clip_);
        previous_[c]->setPen(cosmetic(faint));
    }
}

void PlotOverlays::place(const GraphState& g, const AxisSettings& axes, const QRectF& a, FrameWindow w,
                         ValueRange v) {
    clip_->setRect(a);
    const double span = std::max(w.last - w.first, 1), height = v.max - v.min;
    auto x_of = [&](double frame) { return a.left() + (frame - w.first) / span * a.width(); };
    auto y_of = [&](double value) { return height > 0 ? a.bottom() - (value - v.min) / height * a.height() : a.center().y(); };
    for (int c = 0; c < chart_lines; ++c) {
        const auto i = static_cast<std::size_t>(c);
        QPainterPath limit;
        if (g.quantity != GraphState::Quantity::position && g.showaxis[i]) {
            const double l = quantity_limit(axes, c, g.quantity);
            // Dashed by hand: short solid strokes draw far faster than a dashed pen.
            for (double y : {y_of(l), y_of(-l)})
                for (double x = a.left(); x < a.right(); x += dash + gap) {
                    limit.moveTo(x, y);
                    limit.lineTo(std::min(x + dash, a.right()), y);
                }
        }
        if (limits_[i]->path() != limit) limits_[i]->setPath(limit);
    }
    // The faint lines: reduced to the plot's columns like the lines, built only on a change.
    const Placed now{g.quantity == GraphState::Quantity::position ? g.previous_revision : ~0u, a, w.first, w.last,
                     v.min, v.max};
    if (now == placed_) return;
    placed_ = now;
    const int columns = std::max(static_cast<int>(a.width()), 1);
    for (int c = 0; c < chart_lines; ++c) {
        const auto i = static_cast<std::size_t>(c);
        QPainterPath line;
        if (now.revision != ~0u && !g.previous[i].empty()) {
            const auto points = reduce_line(g.previous[i], w, columns);
            for (std::size_t p = 0; p < points.size(); ++p) {
                const QPointF at(x_of(points[p].frame), y_of(points[p].value));
                if (p == 0) line.moveTo(at);
                else line.lineTo(at);
            }
        }
        previous_[i]->setPath(line);
    }
}

}  // namespace kestrova
