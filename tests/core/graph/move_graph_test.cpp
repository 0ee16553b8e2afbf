#include <gtest/gtest.h>

#include "graph/chart_events.h"
#include "graph/move_graph.h"
#include "graph/quantity_series.h"
#include "started_app.h"
#include "axes/controls.h"
#include "graph/controls.h"

using namespace kestrova;

namespace {

// A move whose axis a stands at 2 * f * (a + 1) on frame f.
struct Rig : test_support::StartedApp {
    explicit Rig(int frames = 10) {
        set_length(frames);
        for (int f = 1; f <= frames; ++f)
            for (int a = 0; a < move_axes; ++a) move().movepos.at(f, a) = 2.0 * f * (a + 1);
    }
    GraphState& g() { return graph(); }
    double shown(int line, int frame) { return g().series[line][static_cast<std::size_t>(frame - 1)]; }
};

}  // namespace

TEST(MoveGraph, SpeedModeShowsForwardDifferencesEndsAtZeroAndHiddenAxesLieFlatInBothModes) {
    Rig r;
    r.app.press(ctl::speed_mode_button);
    EXPECT_EQ(r.text(ctl::speed_mode_button), "show position");
    for (int f = 1; f <= 10; ++f) EXPECT_DOUBLE_EQ(r.move().graphpos.at(f, 0), f == 1 || f == 10 ? 0 : 2) << f;
    EXPECT_DOUBLE_EQ(r.shown(3, 5), 8);
    for (int f = 1; f <= 10; ++f) EXPECT_DOUBLE_EQ(r.shown(4, f), 0) << f;
    // "draw" alone shows the speeds as last built.
    for (int f = 1; f <= 10; ++f) r.move().movepos.at(f, 0) = 0;
    r.app.press(ctl::redraw_chart_button);
    EXPECT_DOUBLE_EQ(r.shown(0, 5), 2);
    r.app.press(ctl::speed_mode_button);
    EXPECT_EQ(r.text(ctl::speed_mode_button), "show speed");
    EXPECT_DOUBLE_EQ(r.shown(4, 5), 50);

    // A hidden axis lies flat in both modes and comes back.
    r.app.press(ctl::show_axis_buttons[2]);
    EXPECT_EQ(r.colour(ctl::show_axis_buttons[2]), colour::red);
    for (int mode = 0; mode < 2; ++mode, r.app.press(ctl::speed_mode_button))
        for (int f = 1; f <= 10; ++f) EXPECT_DOUBLE_EQ(r.shown(2, f), 0) << mode;
    r.app.press(ctl::show_axis_buttons[2]);
    EXPECT_EQ(r.colour(ctl::show_axis_buttons[2]), colour::green);
    EXPECT_DOUBLE_EQ(r.shown(2, 5), 30);

    // The buttons beyond the five lines only change colour and redraw.
    const auto before = r.g().series;
    r.app.press(ctl::show_axis_buttons[6]);
    EXPECT_EQ(r.colour(ctl::show_axis_buttons[6]), colour::red);
    EXPECT_EQ(r.g().series, before);

    Rig one(1);
    one.app.press(ctl::speed_mode_button);
    EXPECT_DOUBLE_EQ(one.move().graphpos.at(1, 0), 0);
    EXPECT_EQ(one.g().series[0].size(), 1u);
}

TEST(ChartEvents, PointSelectionAndThePointerShowWhereTheyAreAndAZoomKeepsInsideTheMove) {
    Rig r;
    r.app.press(ctl::redraw_chart_button);  // B is named Tilt, A is unnamed
    chart_point_selected(r.graph_context(), 1, 4);
    ASSERT_TRUE(r.notices().box);
    EXPECT_EQ(r.notices().box->text, "Tilt, frame 4\r\n16");
    EXPECT_EQ(line_name(r.axis_names(), 0), "A");
    chart_selected(r.graph_context());
    EXPECT_EQ(r.text(ctl::shared_readout_box), "2 4");

    // The pointer's readout inside the plot, on its edge and outside.
    const PlotRect plot{100, 600, 50, 250};
    const ValueRange frames{1, 501}, values{-100, 100};
    const std::pair<std::array<int, 3>, std::string> cases[] = {
        {{100, 50, 1}, " 1\r\n100\r\n\r\n1"},        {{600, 250, 0}, " 501\r\n-100\r\n\r\n0"},
        {{350, 150, 2}, " 251\r\n0\r\n\r\n2"},       {{601, 150, 0}, " N.A.\r\nN.A.\r\n\r\n0"},
        {{300, 49, 0}, " N.A.\r\nN.A.\r\n\r\n0"}};
    for (const auto& [at, shown] : cases) {
        chart_pointer(r.graph_context(), plot, frames, values, at[0], at[1], at[2]);
        EXPECT_EQ(r.text(ctl::shared_readout_box), shown);
    }

    // A zoom keeps inside the move and resets.
    r.set_length(100);
    zoom_frames(r.g(), 80.4, 20.6);
    EXPECT_EQ(visible_frames(r.g()).first, 20);
    EXPECT_EQ(visible_frames(r.g()).last, 81);
    zoom_frames(r.g(), 50.2, 50.4);  // under two frames: ignored
    EXPECT_EQ(visible_frames(r.g()).first, 20);
    zoom_reset(r.g());
    EXPECT_EQ(visible_frames(r.g()).first, 1);
    EXPECT_EQ(visible_frames(r.g()).last, 100);
    zoom_frames(r.g(), 50, 90);
    r.set_length(40);  // a zoom past the new end shows the whole move
    EXPECT_EQ(visible_frames(r.g()).last, 40);
}

// Speed and acceleration a second of the clamped targets, from rest and to a
// stop, against the axis's limits in the same units; the zoom stays.
TEST(MoveGraph, SpeedAndAccelerationViewsShowTheMoveAsPlayedAgainstTheLimits) {
    Rig r(5);
    const double a[] = {0, 0, 10, 30, 30};  // frame 4 is clamped to 20
    for (int f = 1; f <= 5; ++f) r.move().movepos.at(f, 0) = a[f - 1];
    r.axes().max[0] = 20;
    r.axes().mSpeed[0] = 8;  // 200 pulses/s
    r.axes().acc[0] = 5;     // 3125 pulses/s²
    r.axes().unit[1] = "°";
    r.axes().pp_rev[1] = 10;  // axis B moves 4 pulses a frame: 10 °/s
    zoom_frames(r.g(), 2, 4);
    const struct {
        Quantity q;
        std::vector<double> line;
        double limit;
        std::vector<std::array<int, 2>> beyond;
        const char* unit;
    } views[] = {
        {Quantity::speed, {0, 0, 250, 250, 0}, 200, {{3, 4}}, "(°/s)"},
        {Quantity::acceleration, {0, 0, 6250, 0, -6250}, 3125, {{3, 3}, {5, 5}}, "(°/s²)"},
        {Quantity::position, {0, 0, 10, 30, 30}, 0, {}, "(°)"},
    };
    for (const auto& v : views) {
        show_quantity(r.graph_context(), v.q);
        EXPECT_EQ(r.g().series[0], v.line);
        EXPECT_DOUBLE_EQ(quantity_limit(r.axes(), 0, v.q), v.limit);
        std::vector<std::array<int, 2>> runs;
        for (const auto& m : frames_beyond(r.g(), r.axes())) runs.push_back({m.first, m.last});
        EXPECT_EQ(runs, v.beyond);
        EXPECT_NE(legend_name(r.graph_context(), 1).find(v.unit), std::string::npos) << legend_name(r.graph_context(), 1);
        EXPECT_EQ(visible_frames(r.g()).first, 2);
    }
    show_quantity(r.graph_context(), Quantity::acceleration);
    EXPECT_DOUBLE_EQ(r.shown(1, 4), 0);
    EXPECT_DOUBLE_EQ(r.shown(1, 5), -250);  // at full speed on the last frame: it stops there
    show_quantity(r.graph_context(), Quantity::speed);
    EXPECT_DOUBLE_EQ(r.shown(1, 3), 10);
    r.app.press(ctl::show_axis_buttons[0]);  // a hidden axis lies flat and goes beyond nothing
    EXPECT_EQ(r.shown(0, 3), 0);
    EXPECT_TRUE(frames_beyond(r.g(), r.axes()).empty());
}
