// What the chart view draws, computed from the graph state: the visible frame
// window, the lines reduced to what a plot of a given pixel width can show,
// the value range, the frame-axis ticks and the pointer read-out.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "graph/graph_state.h"
#include "move/move_model.h"

namespace kestrova {

struct ChartPoint {
    double frame = 0;
    double value = 0;
    bool operator==(const ChartPoint&) const = default;
};

struct FrameWindow {
    int first = 1;
    int last = 1;
};

struct ValueRange {
    double min = 0;
    double max = 0;
};

// The frames on show: the zoom when one is set and still inside the move,
// else every row of the chart.
FrameWindow visible_frames(const GraphState& graph);

// The points of one line (values[0] is frame 1) between first and last frame.
// A window wider than twice the plot's pixel columns is reduced per column to
// its first, lowest, highest and last value in frame order, which draws the
// same picture as every point would.
std::vector<ChartPoint> reduce_line(std::span<const double> values, FrameWindow window, int columns);

// Lowest and highest value of all lines in the window (and of the move before
// a retiming in the position view), widened a little so a
// line never sits on the plot's edge; a flat chart gets a range around its value.
ValueRange value_range(const GraphState& graph, FrameWindow window);

// A step that reads well: 1, 2 or 5 times a power of ten, the smallest that
// puts at most `labels` steps over the span, and never below `smallest`.
double nice_step(double span, int labels, double smallest);

// Where the labels of a ruler go: at every multiple of the interval.
struct FrameTicks {
    double anchor = 0;
    double interval = 1;
};
// The frame ruler: about ten labels, fewer where `max_labels` is all the
// axis has room for, in whole frames.
FrameTicks frame_ticks(FrameWindow window, int max_labels = 10);
// The seconds ruler over the same window, frame 1 at 0 s, 25 frames a second.
FrameTicks second_ticks(FrameWindow window, int max_labels = 10);
inline constexpr double frames_per_second = 25;
inline double seconds_of(double frame) { return (frame - 1) / frames_per_second; }

// The frames of one line's keyframes inside the window, in table order.
std::vector<int> keyframe_frames(const MoveModel& move, int line, FrameWindow window);

// The move-check shading of each pixel column of a plot showing the window:
// what the column's frames need most, a limit or the maximum speed before
// acceleration. One image of these stands for every band, however many.
enum class Band : unsigned char { none, acceleration, limit };
std::vector<Band> band_columns(const GraphState& graph, FrameWindow window, int columns);
std::vector<Band> band_columns(std::span<const GraphState::Mark> marks, FrameWindow window, int columns);
// The band at a frame, the red kind first; none when the frame is fine.
Band band_at(const GraphState& graph, int frame);
Band band_at(std::span<const GraphState::Mark> marks, int frame);

// The plot area in the chart's own coordinates: x grows to the right, y
// downwards, so min_y is the top edge.
struct PlotRect {
    double min_x = 0, max_x = 0, min_y = 0, max_y = 0;
};

// Text of the pointer read-out box: " x", CR LF, "y", CR LF, CR LF, buttons.
// A pointer outside the plot (edges count as inside) reads "N.A." twice.
std::string pointer_readout(const PlotRect& plot, ValueRange frames, ValueRange values, float x, float y,
                            int buttons);

// The line (0..4) whose value at a frame is nearest to a value, within a
// tolerance; -1 for none.
int pick_line(const GraphState& graph, int frame, double value, double tolerance);

}  // namespace kestrova
