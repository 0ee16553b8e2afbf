// What the chart reads and changes.
#pragma once

#include "axes/axis_settings.h"
#include "base/control_name.h"
#include "base/notices.h"
#include "base/panel.h"
#include "graph/graph_state.h"
#include "move/move_model.h"

namespace kestrova {

struct GraphContext {
    GraphState& graph;
    MoveModel& move;  // drawn; the speed table and the Bezier samples are written into it
    Panel& panel;     // the graph's buttons and the read-out box
    const AxisNames& axis_names;  // name the chart's lines
    const AxisSettings& axes;     // units of the read-out and the legend
    Notices& notices;
    ControlName readout_box;  // the read-out box the chart shares with the shaping tools
};

}  // namespace kestrova
