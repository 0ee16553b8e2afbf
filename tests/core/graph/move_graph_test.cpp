#include <gtest/gtest.h>

#include "graph/chart_events.h"
#include "graph/move_graph.h"
#include "shell/app.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

struct Rig {
    test_support::TempDir dir;
    App app{dir.path()};
    explicit Rig(int frames = 10) {
        app.start();
        app.type("Text2", std::to_string(frames));
        app.press("Command21");
        for (int f = 1; f <= frames; ++f)
            for (int a = 0; a < move_axes; ++a) m().movepos.at(f, a) = 2.0 * f * (a + 1);
    }
    MoveModel& m() { return app.state().move; }
    GraphState& g() { return app.state().graph; }
    double shown(int line, int frame) { return g().series[line][static_cast<std::size_t>(frame - 1)]; }
};

}  // namespace

TEST(MoveGraph, SpeedModeShowsForwardDifferencesWithEndsAtZeroAndAxisEFlat) {
    Rig r;
    r.app.press("showspeed");
    EXPECT_TRUE(r.g().speedmode);
    EXPECT_EQ(r.app.panel().text("showspeed"), "show position");
    EXPECT_DOUBLE_EQ(r.m().graphpos.at(1, 0), 0);
    for (int f = 2; f <= 9; ++f) EXPECT_DOUBLE_EQ(r.m().graphpos.at(f, 0), 2) << f;
    EXPECT_DOUBLE_EQ(r.m().graphpos.at(10, 0), 0);
    EXPECT_DOUBLE_EQ(r.shown(3, 5), 8);
    for (int f = 1; f <= 10; ++f) EXPECT_DOUBLE_EQ(r.shown(4, f), 0) << f;
    r.app.press("showspeed");
    EXPECT_EQ(r.app.panel().text("showspeed"), "show speed");
    EXPECT_DOUBLE_EQ(r.shown(4, 5), 50);
}

TEST(MoveGraph, DrawAloneShowsTheSpeedsAsLastBuilt) {
    Rig r;
    r.app.press("showspeed");
    for (int f = 1; f <= 10; ++f) r.m().movepos.at(f, 0) = 0;
    r.app.press("dograph");
    EXPECT_DOUBLE_EQ(r.shown(0, 5), 2);
}

TEST(MoveGraph, HiddenAxesLieFlatInBothModesAndComeBack) {
    Rig r;
    r.app.press("Command19_2");
    EXPECT_EQ(r.app.panel().at("Command19_2").colour, colour::red);
    for (int f = 1; f <= 10; ++f) EXPECT_DOUBLE_EQ(r.shown(2, f), 0);
    EXPECT_DOUBLE_EQ(r.shown(1, 5), 20);
    r.app.press("showspeed");
    for (int f = 1; f <= 10; ++f) EXPECT_DOUBLE_EQ(r.shown(2, f), 0);
    r.app.press("showspeed");
    r.app.press("Command19_2");
    EXPECT_EQ(r.app.panel().at("Command19_2").colour, colour::green);
    EXPECT_DOUBLE_EQ(r.shown(2, 5), 30);
}

TEST(MoveGraph, ButtonsBeyondTheFiveLinesToggleColourAndRedrawOnly) {
    Rig r;
    r.app.press("dograph");
    const auto before = r.g().series;
    const unsigned revision = r.g().revision;
    r.app.press("Command19_6");
    EXPECT_EQ(r.app.panel().at("Command19_6").colour, colour::red);
    EXPECT_GT(r.g().revision, revision);
    EXPECT_EQ(r.g().series, before);
}

TEST(MoveGraph, DrawSetsLabelSpacingAndDisablesFkeys) {
    Rig r(25);
    r.app.panel().set_text("enable", "F keys enabled");
    r.app.press("dograph");
    EXPECT_EQ(r.g().divisions_per_label, 2);
    EXPECT_EQ(r.app.panel().text("enable"), "F keys disabled");
    const FrameTicks t = frame_ticks(r.g(), visible_frames(r.g()));
    EXPECT_EQ(t.anchor, 1);
    EXPECT_EQ(t.interval, 2);
}

TEST(MoveGraph, OneFrameMoveHasNoSpeed) {
    Rig r(1);
    r.app.press("showspeed");
    EXPECT_DOUBLE_EQ(r.m().graphpos.at(1, 0), 0);
    EXPECT_EQ(r.g().series[0].size(), 1u);
}

TEST(ChartEvents, PointSelectionShowsLabelAndValueAndSetsTheCurrentCell) {
    Rig r;
    r.app.type("Name2", "Tilt");
    r.app.type("Name1", "");
    r.app.press("dograph");
    chart_point_selected(r.app.state(), 1, 4);
    ASSERT_TRUE(r.app.state().notices.box);
    EXPECT_EQ(r.app.state().notices.box->text, "Tilt, frame 4\r\n16");
    EXPECT_EQ(line_name(r.app.panel(), 0), "A");
    chart_selected(r.app.state());
    EXPECT_EQ(r.app.panel().text("Text24"), "2 4");
}

TEST(ChartEvents, PointerReadoutInsideOnTheEdgeAndOutside) {
    Rig r;
    const PlotRect plot{100, 600, 50, 250};
    const ValueRange frames{1, 501}, values{-100, 100};
    chart_pointer(r.app.state(), plot, frames, values, 100, 50, 1);
    EXPECT_EQ(r.app.panel().text("Text24"), " 1\r\n100\r\n\r\n1");
    chart_pointer(r.app.state(), plot, frames, values, 600, 250, 0);
    EXPECT_EQ(r.app.panel().text("Text24"), " 501\r\n-100\r\n\r\n0");
    chart_pointer(r.app.state(), plot, frames, values, 350, 150, 2);
    EXPECT_EQ(r.app.panel().text("Text24"), " 251\r\n0\r\n\r\n2");
    chart_pointer(r.app.state(), plot, frames, values, 601, 150, 0);
    EXPECT_EQ(r.app.panel().text("Text24"), " N.A.\r\nN.A.\r\n\r\n0");
    chart_pointer(r.app.state(), plot, frames, values, 300, 49, 0);
    EXPECT_EQ(r.app.panel().text("Text24"), " N.A.\r\nN.A.\r\n\r\n0");
}

TEST(ChartEvents, ZoomKeepsInsideTheMoveAndResets) {
    Rig r(100);
    zoom_frames(r.app.state(), 80.4, 20.6);
    EXPECT_EQ(visible_frames(r.g()).first, 20);
    EXPECT_EQ(visible_frames(r.g()).last, 81);
    zoom_frames(r.app.state(), 50.2, 50.4);  // under two frames: ignored
    EXPECT_EQ(visible_frames(r.g()).first, 20);
    zoom_reset(r.app.state());
    EXPECT_EQ(visible_frames(r.g()).first, 1);
    EXPECT_EQ(visible_frames(r.g()).last, 100);
    zoom_frames(r.app.state(), 50, 90);
    r.app.type("Text2", "40");
    r.app.press("Command21");  // a zoom past the new end shows the whole move
    EXPECT_EQ(visible_frames(r.g()).last, 40);
}
