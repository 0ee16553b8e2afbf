// What the chart draws over its plot besides its series: each shown line's
// limits (dashed, in its colour) in the speed and acceleration views, and the
// move as it was before a retiming (faint, behind the lines) in the position view.
#pragma once

#include <QColor>
#include <QRectF>
#include <array>
#include <span>

#include "axes/axis_settings.h"
#include "graph/chart_data.h"
#include "graph/graph_state.h"

class QGraphicsItem;
class QGraphicsPathItem;
class QGraphicsRectItem;

namespace kestrova {

class PlotOverlays {
public:
    PlotOverlays(QGraphicsItem* chart, std::span<const QColor, chart_lines> colours);
    // Place over the plot area showing the window and the value range; the
    // faint lines are built again only when something they show has changed.
    void place(const GraphState& graph, const AxisSettings& axes, const QRectF& area, FrameWindow window,
               ValueRange values);

private:
    QGraphicsRectItem* clip_;  // keeps what lies beyond the value range off the rulers
    std::array<QGraphicsPathItem*, chart_lines> limits_{};
    std::array<QGraphicsPathItem*, chart_lines> previous_{};
    struct Placed {
        unsigned revision = ~0u;
        QRectF area;
        int first = 0, last = 0;
        double min = 0, max = 0;
        bool operator==(const Placed&) const = default;
    } placed_;
};

}  // namespace kestrova
