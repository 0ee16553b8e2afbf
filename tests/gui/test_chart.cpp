#include <gtest/gtest.h>

#include <cmath>

#include <QApplication>
#include <QComboBox>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>

#include "graph/chart_events.h"
#include "graph/controls.h"
#include "graph/qt/chart_view.h"
#include "graph/qt/move_chart_view.h"
#include "started_window.h"
#include "engine/engine_mode.h"
#include "engine/messages.h"
#include "files/move_codec.h"
#include "move/history_messages.h"
#include "move/keyframe_cell.h"
#include "shaping/bezier_path.h"
#include "axes/controls.h"
#include "move/controls.h"
#include "shaping/controls.h"

using namespace kestrova;

namespace {

struct ChartWindow : test_support::StartedWindow {
    MoveChartView* chart = window->findChild<MoveChartView*>("MSChart1");
    ChartWindow() { window->resize(1400, 900); }  // lay the chart out before it is drawn
    QValueAxis* frame_axis() { return static_cast<QValueAxis*>(chart->chart()->axes(Qt::Horizontal).front()); }
    QPoint at_value(double frame, double value) {
        const QPointF p = chart->chart()->mapToPosition(QPointF(frame, value));
        return chart->mapFromScene(chart->chart()->mapToScene(p));
    }
};

}  // namespace

// One move on one chart: its five named lines, the pointer's readout, a click
// that selects, a drag that zooms and a right click that shows the whole move again.
TEST(ChartView, ShowsTheMoveAndFollowsThePointer) {
    ChartWindow w;
    ASSERT_NE(w.chart, nullptr);
    w.set_length(100);
    update_chart_view(w.chart);
    EXPECT_TRUE(w.chart->hint_shown());  // first steps on the empty chart
    w.add_keyframe(100, {1000, 0, 300, 0, 0});
    update_chart_view(w.chart);
    EXPECT_FALSE(w.chart->hint_shown());
    EXPECT_EQ(w.chart->keyframe_markers(2), std::vector<int>{100});
    const auto lines = w.chart->chart()->series();
    ASSERT_EQ(lines.size(), 7);  // five axes and the two bands' legend keys
    EXPECT_EQ(lines[0]->name().toStdString().substr(0, 2), "A ");  // the unnamed axis
    EXPECT_EQ(lines[1]->name().toStdString().substr(0, 5), "Tilt ");
    const auto* c = static_cast<QLineSeries*>(lines[2]);
    ASSERT_EQ(c->count(), 100);
    EXPECT_DOUBLE_EQ(c->at(59).y(), w.move().movepos.at(60, 2));
    const double step = w.frame_axis()->tickInterval();  // 1-2-5 steps, as many as fit
    EXPECT_TRUE(step == 10 || step == 20 || step == 50) << step;

    QWidget* vp = w.chart->viewport();
    const QPoint mid = w.at_value(50, 500);
    QMouseEvent move(QEvent::MouseMove, QPointF(mid), QPointF(vp->mapToGlobal(mid)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    const std::string readout = w.app.panel().text(ctl::shared_readout_box);
    EXPECT_NEAR(std::stod(readout), 50, 1) << readout;
    EXPECT_NEAR(std::stod(readout.substr(readout.find('\n') + 1)), 500, 15) << readout;
    QTest::mouseClick(vp, Qt::LeftButton, {}, mid);
    ASSERT_TRUE(w.notices().box);
    EXPECT_EQ(w.notices().box->text.substr(w.notices().box->text.find('\n') + 1), "500");
    w.notices().box.reset();
    EXPECT_EQ(w.graph().selected_row, 50);

    const QPoint from = w.at_value(20, 200), to = w.at_value(40, 200);
    QTest::mousePress(vp, Qt::LeftButton, Qt::ShiftModifier, from);
    QTest::mouseMove(vp, to);
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::ShiftModifier, to);
    EXPECT_NEAR(w.frame_axis()->min(), 20, 1);
    EXPECT_NEAR(w.frame_axis()->max(), 40, 1);
    QTest::mouseClick(vp, Qt::RightButton, {}, w.at_value(30, 300));
    EXPECT_EQ(w.frame_axis()->min(), 1);
    EXPECT_EQ(w.frame_axis()->max(), 100);

    // The wheel zooms round the pointer, a double-click shows the whole move again.
    const QPoint at30 = w.at_value(30, 300);
    QWheelEvent wheel(QPointF(at30), QPointF(vp->mapToGlobal(at30)), {}, QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &wheel);
    EXPECT_GT(w.graph().zoom_first, 1);
    EXPECT_LT(w.graph().zoom_last, 100);
    EXPECT_LT(w.graph().zoom_first, 30);
    EXPECT_GT(w.graph().zoom_last, 30);
    QTest::mouseDClick(vp, Qt::LeftButton, {}, at30);
    EXPECT_EQ(w.graph().zoom_first, 0);
    EXPECT_EQ(w.frame_axis()->max(), 100);
}

// A window drag re-reduces the lines at no step of it: they keep their points
// until the size holds still, then fit the new width.
TEST(ChartView, FitsTheLinesToANewWidthOnceTheSizeHolds) {
    ChartWindow w;
    w.set_length(20000);
    update_chart_view(w.chart);
    const auto* line = static_cast<QLineSeries*>(w.chart->chart()->series()[0]);
    const qsizetype wide = line->count();
    ASSERT_LT(wide, 20000);  // reduced to the columns
    w.window->resize(1250, 900);
    QApplication::processEvents();
    update_chart_view(w.chart);  // as the clock's step does
    EXPECT_EQ(line->count(), wide);
    QTRY_VERIFY(line->count() < wide);
}

// A keyframe marker dragged sideways and up gives the move that the same edit
// in the keyframe table gives, Bezier-shaped again when the move was; one undo
// takes it back; Escape, or the rig following the move, leaves the move as it was.
TEST(ChartView, DraggedKeyframeMarkerEditsTheMoveAsOneStep) {
    for (const bool bezier : {false, true}) {
        ChartWindow w;
        w.set_length(100);
        for (auto [frame, track] : {std::pair{20, 100.0}, {50, 500.0}, {80, 200.0}})
            w.add_keyframe(frame, {0, 0, track, 0, 0});
        if (bezier) w.app.press(ctl::bezier_button);
        update_chart_view(w.chart);
        const MoveModel original = w.move();
        const auto before = encode_move(original);
        QWidget* vp = w.chart->viewport();
        const QPoint from = w.at_value(50, 500), to = w.at_value(60, 400);
        auto drag = [&](bool escape = false) {  // gives the move in mid-drag
            QTest::mousePress(vp, Qt::LeftButton, {}, from);
            QTest::mouseMove(vp, (from + to) / 2);
            QTest::mouseMove(vp, to);
            const auto during = encode_move(w.move());
            if (escape) QTest::keyClick(w.chart, Qt::Key_Z, Qt::ControlModifier);  // no undo meets it
            if (escape) QTest::keyClick(w.chart, Qt::Key_Escape);
            QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
            return during;
        };
        w.window->activateWindow();  // for its shortcuts
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
        const std::size_t steps = w.editing().history().undo_steps();
        EXPECT_NE(drag(true), before);
        EXPECT_EQ(std::pair(encode_move(w.move()), w.editing().history().undo_steps()), std::pair(before, steps));
        drag();
        const int frame = w.move().frame_of(0, 2), track = w.move().pos_of(2, 2);
        EXPECT_NEAR(frame, 60, 1);
        EXPECT_NEAR(track, 400, 15);
        EXPECT_EQ(w.editing().history().undo_label(), history_msg::label::drag_keyframe);
        MoveModel edited = original;
        Events events;
        const std::array<double, move_axes> pose{};
        MoveContext ctx{edited, MoveEntries{}, w.panel(), w.notices(), pose, events};
        ASSERT_TRUE(edit_keyframe(ctx, 2, 3, track) && edit_keyframe(ctx, 2, keyframe_frame_value, frame));
        ASSERT_TRUE(!bezier || calculate_bezier(edited, 20, false));
        EXPECT_EQ(encode_move(w.move()), encode_move(edited)) << bezier;

        w.undo();
        update_chart_view(w.chart);  // as the clock's step does
        EXPECT_EQ(encode_move(w.move()), before);
        ASSERT_TRUE(enter(w.engine().mode, EngineMode::Playing));
        EXPECT_EQ(drag(), before);
        EXPECT_EQ(std::pair(encode_move(w.move()), w.status()), std::pair(before, engine_msg::stop_rig_first));
    }
}

// The view switch: speed against the limits with its own title and the zoom
// kept, following a change made elsewhere; pinned keyframes drawn apart.
TEST(ChartView, SwitchesBetweenPositionSpeedAndAccelerationAndDrawsPins) {
    ChartWindow w;
    w.set_length(100);
    w.add_keyframe(100, {1000, 0, 300, 0, 0});
    w.graph().pinned_frames = {100};
    update_chart_view(w.chart);
    EXPECT_EQ(w.chart->pinned_markers(), 5);
    zoom_frames(w.graph(), 10, 90);
    auto* box = w.window->findChild<QComboBox*>("chartQuantity");
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(1);
    EXPECT_EQ(w.graph().quantity, GraphState::Quantity::speed);
    EXPECT_EQ(w.chart->value_axis().titleText(), "speed per second");
    EXPECT_GE(w.chart->value_axis().max(), 101 * 25);  // axis A's maximum speed in pulses/s
    EXPECT_EQ(w.frame_axis()->min(), 10);
    EXPECT_NE(w.chart->chart()->series()[0]->name().indexOf("pulses/s"), -1);
    w.graph().quantity = GraphState::Quantity::acceleration;
    w.app.press(ctl::redraw_chart_button);
    update_chart_view(w.chart);
    EXPECT_EQ(box->currentIndex(), 2);
    EXPECT_EQ(w.chart->value_axis().titleText(), "acceleration per second²");
}
