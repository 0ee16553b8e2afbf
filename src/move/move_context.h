// What the move commands may touch: the move, the main window's boxes, the
// status bar, and (read only) where the rig stands. The chart lies above this
// layer, so it is reached through hooks that the app wires up.
#pragma once

#include <functional>
#include <span>

#include "base/notices.h"
#include "base/panel.h"
#include "move/move_entries.h"
#include "move/move_model.h"

namespace kestrova {

struct MoveHooks {
    std::function<void()> draw_chart;              // redraw from the present tables
    std::function<void()> refresh_chart;           // the same in the chart's mode (speed table rebuilt)
    std::function<void(int frames)> length_changed;  // the chart takes the new row count and labels
};

struct MoveContext {
    MoveModel& move;
    const MoveEntries& entries;  // the typed position and length
    Panel& panel;
    Notices& notices;
    std::span<const double> present_positions;  // axes A..E at least: the pose a keyframe records
    MoveHooks hooks;

    void draw_chart() const {
        if (hooks.draw_chart) hooks.draw_chart();
    }
    void refresh_chart() const {
        if (hooks.refresh_chart) hooks.refresh_chart();
    }
    void length_changed(int frames) const {
        if (hooks.length_changed) hooks.length_changed(frames);
    }
};

}  // namespace kestrova
