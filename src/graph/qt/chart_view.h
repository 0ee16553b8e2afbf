#pragma once

#include <QWidget>

#include "graph/graph_context.h"
#include "graph/keyframe_drag.h"

namespace kestrova {

// The move chart: shows what the graph state holds and redraws when its
// revision changes. Named as ctl::move_chart.
QWidget* make_chart_view(const GraphContext& context, QWidget* parent);
// The chart's switch between position, speed and acceleration (ctl::chart_quantity).
QWidget* make_chart_quantity_switch(QWidget* chart, QWidget* parent);
// Redraw when the graph's revision has moved on since the last draw.
void update_chart_view(QWidget* chart);
// What a keyframe marker dragged on the chart asks of the program.
void set_keyframe_drag(QWidget* chart, KeyframeDragHooks hooks);

}  // namespace kestrova
