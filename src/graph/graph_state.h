#pragma once

#include <array>
#include <vector>

#include "axes/axis_settings.h"

namespace kestrova {

inline constexpr int chart_lines = 5;  // the chart shows the move axes A..E

struct GraphState {
    bool speedmode = false;                 // draw graphpos (speed) instead of movepos
    std::array<bool, axis_count> showaxis{};  // axis i drawn; hidden axes draw flat at 0
    unsigned revision = 0;                  // bumped by every draw; the chart view redraws on change
    int divisions_per_label = 150;          // frames between labels on the frame axis

    // What the chart shows: one value per frame (index 0 = frame 1) and line,
    // as copied by the last draw. Its length is the chart's row count.
    std::array<std::vector<double>, chart_lines> series;

    // The data grid's current cell, 1-based, set by selecting a point.
    int selected_column = 1;
    int selected_row = 1;

    // Frames shown after a zoom; both 0 when the whole move is shown.
    int zoom_first = 0;
    int zoom_last = 0;

    // The keyframe the operator selected (in the keyframe table), marked on
    // the chart; 0: none.
    int marked_frame = 0;

    // The frame being sent during play-back, drawn as a vertical line; 0: none.
    int play_head = 0;

    // Frames the move check found beyond what an axis can do, shaded on the
    // chart: red for a limit or the maximum speed, yellow for acceleration.
    struct Mark {
        int first = 0;
        int last = 0;
        bool acceleration = false;
    };
    std::vector<Mark> marks;
    unsigned marks_revision = 0;  // bumped when the marks change

    // What the chart plots for each line: the position (or the speed table in
    // speed mode), the speed or the acceleration per frame against the axis's limits.
    enum class Quantity { position, speed, acceleration };
    Quantity quantity = Quantity::position;

    // The move as it was before the last retiming, one value per frame and
    // line like `series`, drawn faintly until the next edit; empty: none.
    std::array<std::vector<double>, chart_lines> previous;
    unsigned previous_revision = 0;  // bumped when `previous` changes

    // Frames of the pinned keyframes (ascending): their frames are kept when the move is retimed.
    std::vector<int> pinned_frames;
};

}  // namespace kestrova
