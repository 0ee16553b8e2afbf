#include "graph/keyframe_drag.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "graph/chart_events.h"
#include "graph/messages.h"

namespace kestrova {

std::optional<KeyframeGrab> grab_keyframe(const MoveModel& move, const AxisSettings& axes,
                                          const std::vector<int>& pinned_frames, int axis, int frame) {
    const int n = move.keyframe_count();
    if (axis < 0 || axis >= move_axes) return std::nullopt;
    int row = 1;
    while (row <= n && move.frame_of(axis, row) != frame) ++row;
    if (row > n) return std::nullopt;
    KeyframeGrab g;
    g.row = row;
    g.axis = axis;
    // A keyframe's time is axis A's frame: the one a keyframe edit moves, and
    // where every axis's frame goes (a loaded move may hold others).
    g.frame = move.frame_of(0, row);
    g.position = move.pos_of(axis, row);
    g.first = std::min(row > 1 ? move.frame_of(0, row - 1) + 1 : 1, g.frame);
    g.last = std::max(row < n ? move.frame_of(0, row + 1) - 1 : move.totalframes, g.frame);
    const auto a = static_cast<std::size_t>(axis);
    g.lowest = std::min(std::ceil(axes.min[a]), g.position);
    g.highest = std::max(std::floor(axes.max[a]), g.position);
    g.pinned = std::find(pinned_frames.begin(), pinned_frames.end(), g.frame) != pinned_frames.end();
    return g;
}

DragTarget drag_target(const KeyframeGrab& g, double frame, double position, DragKeep keep) {
    DragTarget t{g.frame, g.position, false};
    if (keep != DragKeep::frame) {
        const int wanted = std::clamp(static_cast<int>(std::lround(frame)), g.first, g.last);
        if (g.pinned)
            t.held_in_time = wanted != g.frame;
        else
            t.frame = wanted;
    }
    if (keep != DragKeep::position) t.position = std::clamp(std::round(position), g.lowest, g.highest);
    return t;
}

std::string drag_text(const KeyframeGrab& g, const DragTarget& at, const AxisNames& names, const AxisSettings& axes) {
    const auto a = static_cast<std::size_t>(g.axis);
    const bool units = shown_in_units(axes, g.axis);
    char text[160];
    std::snprintf(text, sizeof text, "keyframe %d: frame %d, %s %.*f %s", g.row, at.frame,
                  line_name(names, g.axis).c_str(), units ? 2 : 0, units ? at.position / axes.pp_rev[a] : at.position,
                  units ? axes.unit[a].c_str() : graph_msg::pulses.c_str());
    return text;
}

}  // namespace kestrova
