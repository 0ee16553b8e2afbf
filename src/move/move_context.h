// What the move commands may touch: the move, the main window's boxes, the
// status bar, and (read only) where the rig stands. The chart lies above this
// layer: it learns of a changed move from the events posted here.
#pragma once

#include <span>

#include "base/events.h"
#include "base/notices.h"
#include "base/panel.h"
#include "move/move_entries.h"
#include "move/move_model.h"

namespace kestrova {

struct MoveContext {
    MoveModel& move;
    const MoveEntries& entries;  // the typed position and length
    Panel& panel;
    Notices& notices;
    std::span<const double> present_positions;  // axes A..E at least: the pose a keyframe records
    Events& events;  // what the layers above learn when the command returns

    void draw_chart() const { events.post(Event::move_changed); }
    void refresh_chart() const { events.post(Event::chart_stale); }
    void length_changed() const { events.post(Event::length_changed); }
};

}  // namespace kestrova
