// What the shaping commands may touch: the move, their own state, the main
// window's boxes and the status bar. The chart lies above: it learns of a
// shaped move from the event posted here.
#pragma once

#include "base/control_name.h"
#include "base/events.h"
#include "base/notices.h"
#include "base/panel.h"
#include "move/move_model.h"
#include "shaping/shaping_state.h"

namespace kestrova {

struct ShapingContext {
    MoveModel& move;
    ShapingState& shaping;
    Panel& panel;
    Notices& notices;
    ControlName readout_box;  // the read-out box the corrected smoothing shares with the chart
    Events& events;  // what the layers above learn when the command returns

    void refresh_chart() const { events.post(Event::chart_stale); }
};

}  // namespace kestrova
