// What the shaping commands may touch: the move, their own state, the main
// window's boxes and the status bar. The chart lies above, behind a hook.
#pragma once

#include <functional>

#include "base/control_name.h"
#include "base/notices.h"
#include "base/panel.h"
#include "move/move_model.h"
#include "shaping/shaping_state.h"

namespace kestrova {

struct ShapingHooks {
    std::function<void()> refresh_chart;  // redraw in the chart's mode (speed table rebuilt)
};

struct ShapingContext {
    MoveModel& move;
    ShapingState& shaping;
    Panel& panel;
    Notices& notices;
    ControlName readout_box;  // the read-out box the corrected smoothing shares with the chart
    ShapingHooks hooks;

    void refresh_chart() const {
        if (hooks.refresh_chart) hooks.refresh_chart();
    }
};

}  // namespace kestrova
