// An operator's session on the real window, on line to a pseudo-terminal that
// plays the rig: jog, store keyframes, go to start, run, loop, stop, and a
// single-frame run. The clock is stepped by hand so every message is checked.
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "link/fd_port.h"
#include "link/messages.h"
#include "link/link.h"
#include "link/wire_message.h"
#include "link/qt/serial_port.h"
#include "app/qt/main_window.h"
#include "engine/messages.h"
#include "files/controls.h"
#include "move/controls.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

class Session {
public:
    Session() {
        auto pair = open_pty_pair();
        if (!pair) throw std::runtime_error(pair.error());
        pty_ = pair.value();
        app.start();
        window = std::make_unique<MainWindow>(app);
        window->show();
        // The test is the clock: each message goes out as its tick builds it.
        app.link().set_transmitter(nullptr);
        if (auto online = app.link().go_online(pty_.path); !online) throw std::runtime_error(online.error());
        window->sync();
    }
    ~Session() {
        window.reset();
        ::close(pty_.master);
        ::close(pty_.device_fd);
    }

    QWidget* widget(const char* name) { return window->centralWidget()->findChild<QWidget*>(name); }
    void click(const char* name) { QTest::mouseClick(qobject_cast<QPushButton*>(widget(name)), Qt::LeftButton); }
    void type(const char* name, const char* text) {
        auto* edit = qobject_cast<QLineEdit*>(widget(name));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // One clock tick as the window's clock runs it, and the message it sent.
    Decoded tick() {
        app.tick();
        window->sync();
        const auto bytes = read_message();
        auto m = decode_message(bytes);
        if (!m) throw std::runtime_error("undecodable message");
        return *m;
    }
    Decoded tick_until(const std::function<bool()>& done, int limit = 2000) {
        Decoded last = tick();
        for (int i = 0; i < limit && !done(); ++i) last = tick();
        return last;
    }
    // The rig stops taking bytes (its line stopped, as a device with a full
    // buffer is) after the far end has read what reached it; and reads again.
    std::vector<Decoded> stop_reading() {
        ::tcflow(pty_.device_fd, TCOOFF);
        std::vector<Decoded> got;
        for (auto bytes = read_message(5); bytes.size() == long_size; bytes = read_message(5)) {
            auto m = decode_message(bytes);
            if (!m) throw std::runtime_error("undecodable message");
            got.push_back(*m);
        }
        return got;
    }
    void read_again() { ::tcflow(pty_.device_fd, TCOON); }
    // A tick while the rig reads nothing.
    void tick_unread() {
        app.tick();
        window->sync();
    }
    // Nothing beyond one message per tick reaches the rig.
    bool line_is_quiet() {
        pollfd p{pty_.master, POLLIN, 0};
        return ::poll(&p, 1, 30) == 0;
    }

    test_support::TempDir dir;
    App app{dir.path(), make_serial_port_opener()};
    std::unique_ptr<MainWindow> window;

private:
    std::vector<std::uint8_t> read_message(int patience = 100) {
        std::vector<std::uint8_t> got;
        for (int waited = 0; got.size() < long_size && waited < patience; ++waited) {
            QCoreApplication::processEvents();
            pollfd p{pty_.master, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            std::uint8_t buf[long_size];
            const ssize_t n = ::read(pty_.master, buf, long_size - got.size());
            if (n > 0) got.insert(got.end(), buf, buf + n);
        }
        return got;
    }

    PtyPair pty_;
};

// Jog one axis up by holding its F key for `ticks`, then let it coast to rest.
void jog_up(Session& s, Qt::Key key, int ticks) {
    QWidget* enable = s.widget("enable");
    QTest::keyPress(enable, key);
    for (int i = 0; i < ticks; ++i) EXPECT_EQ(s.tick().lead, lead_position);
    QTest::keyRelease(enable, key);
    const JogState& j = s.app.state().engine.jog;
    s.tick_until([&] { return std::none_of(j.fkeyup.begin(), j.fkeyup.end(), [](bool b) { return b; }); });
}

void add_keyframe_at(Session& s, const char* frame) {
    s.type("Text1", frame);
    s.click("Command3");
}

void program_three_keyframes(Session& s) {
    s.type("Text2", "60");
    s.click("Command21");
    s.type("SpeedA", "30");
    s.type("SpeedB", "20");
    add_keyframe_at(s, "1");
    s.click("enFkeys");
    jog_up(s, Qt::Key_F2, 6);   // axis A up
    add_keyframe_at(s, "30");
    s.click("enFkeys");
    jog_up(s, Qt::Key_F4, 4);   // axis B up
    add_keyframe_at(s, "60");
}

}  // namespace

TEST(EndToEnd, AJoggedMovePlaysFrameByFrameLoopsAndStops) {
    Session s;
    AppState& st = s.app.state();
    const PlaybackState& play = st.engine.play;
    const EngineMode& mode = st.engine.mode;
    program_three_keyframes(s);
    ASSERT_EQ(st.move.keyframe_count(), 3);
    ASSERT_EQ(s.app.panel().text(ctl::keyframe_count_box), "3");
    const double a30 = st.move.pos_of(0, 2);
    ASSERT_GT(a30, 0);
    ASSERT_GT(st.move.pos_of(1, 3), 0);

    // Back to frame 1 by a positioning move: position messages until it arrives.
    s.click("gotostart");
    const Decoded arrived = s.tick_until([&] { return mode != EngineMode::Positioning; });
    EXPECT_EQ(arrived.lead, lead_position);
    EXPECT_EQ(arrived.pos[0], 0);

    // Run: one frame message per tick, carrying the move frame by frame.
    s.click("run");
    ASSERT_TRUE(mode == EngineMode::Playing) << st.notices.status;
    for (int f = 1; f <= 60; ++f) {
        const Decoded m = s.tick();
        ASSERT_EQ(m.lead, lead_frame) << "frame " << f;
        for (int a = 0; a < move_axes; ++a)
            ASSERT_EQ(m.pos[a], static_cast<std::int32_t>(std::nearbyint(st.move.movepos.at(f, a))))
                << "frame " << f << " axis " << a;
    }
    EXPECT_NE(mode, EngineMode::Playing);
    EXPECT_EQ(s.tick().lead, lead_position);
    EXPECT_TRUE(s.line_is_quiet());

    // Loop: the end of the move returns to the start and plays again.
    s.click("gotostart");
    s.tick_until([&] { return mode != EngineMode::Positioning; });
    s.click("Loopy");
    s.click("run");
    for (int f = 1; f <= 60; ++f) ASSERT_EQ(s.tick().lead, lead_frame);
    const Decoded back = s.tick_until([&] { return mode == EngineMode::Playing; });
    EXPECT_EQ(back.lead, lead_position);
    const Decoded again = s.tick();
    EXPECT_EQ(again.lead, lead_frame);
    EXPECT_EQ(again.pos[0], 0);

    // Stop: position messages from the frame reached, nothing moves on.
    s.click("Stop");
    EXPECT_NE(mode, EngineMode::Playing);
    EXPECT_FALSE(play.looping);
    const Decoded stopped = s.tick();
    EXPECT_EQ(stopped.lead, lead_position);
    EXPECT_EQ(s.tick().pos, stopped.pos);
}

TEST(EndToEnd, ARigThatStopsReadingMidPlayIsReportedOnceAndGetsWholeMessagesWithoutAJumpAfterwards) {
    Session s;
    AppState& st = s.app.state();
    program_three_keyframes(s);
    s.click("gotostart");
    s.tick_until([&] { return st.engine.mode != EngineMode::Positioning; });
    s.click("run");
    ASSERT_TRUE(st.engine.mode == EngineMode::Playing) << st.notices.status;
    std::vector<Decoded> got;
    for (int f = 1; f <= 10; ++f) got.push_back(s.tick());
    const unsigned serial = st.notices.status_serial;

    const auto reached = s.stop_reading();
    got.insert(got.end(), reached.begin(), reached.end());
    QElapsedTimer stalled;
    stalled.start();
    while (stalled.elapsed() < 5000) {
        s.tick_unread();
        QTest::qWait(40);
    }
    const std::string device = s.app.link().port()->device();
    EXPECT_EQ(st.notices.status, link_text::not_reading(device));
    EXPECT_EQ(st.notices.status_serial, serial + 1);
    EXPECT_EQ(st.notices.link, link_text::not_reading(device));
    EXPECT_NE(st.engine.mode, EngineMode::Playing);

    s.read_again();
    const std::size_t resumed = got.size();
    for (int i = 0; i < 10; ++i) got.push_back(s.tick());
    EXPECT_EQ(st.notices.link, link_text::on_line(device));
    for (std::size_t i = resumed; i < got.size(); ++i) {
        EXPECT_EQ(got[i].lead, lead_position) << "message " << i;  // no stale frame
        for (std::size_t a = 0; a < move_axes; ++a)
            EXPECT_LE(std::abs(got[i].pos[a] - got[i - 1].pos[a]), st.axes.mSpeed[a]) << "message " << i << " axis " << a;
    }
    EXPECT_TRUE(s.line_is_quiet());
}

// Edits reach the move, never the rig that plays it: Clear Move, Undo and a
// load during play-back are refused and the wire carries the move as it was.
TEST(EndToEnd, EditsDuringPlayBackLeaveTheWireAlone) {
    Session s;
    AppState& st = s.app.state();
    program_three_keyframes(s);
    s.app.press(ctl::save_move_menu);
    s.type("Fname", "m1");
    QTest::keyClick(s.widget("Fname"), Qt::Key_Return);
    ASSERT_FALSE(st.recent.list().empty());
    const MoveModel played = st.move;
    s.click("gotostart");
    s.tick_until([&] { return st.engine.mode != EngineMode::Positioning; });
    s.click("run");
    ASSERT_TRUE(st.engine.mode == EngineMode::Playing) << st.notices.status;

    auto* recent = s.window->findChild<QMenu*>("recentMenu");
    emit recent->aboutToShow();
    const std::vector<std::function<void()>> edits{
        [&] { s.click("Command7"); },  // Clear Move
        [&] { s.window->findChild<QAction*>("undoAction")->trigger(); },
        [&] { recent->actions().front()->trigger(); },
    };
    std::vector<Decoded> got;
    for (int f = 1; f <= 60; ++f) {
        if (f % 15 == 0) {
            edits[static_cast<std::size_t>(f / 15 - 1) % edits.size()]();
            EXPECT_EQ(st.notices.status, engine_msg::stop_rig_first) << "frame " << f;
        }
        got.push_back(s.tick());
        ASSERT_EQ(got.back().lead, lead_frame) << "frame " << f;
        for (int a = 0; a < move_axes; ++a)
            ASSERT_EQ(got.back().pos[a], static_cast<std::int32_t>(std::nearbyint(played.movepos.at(f, a))))
                << "frame " << f << " axis " << a;
    }
    for (std::size_t i = 2; i < got.size(); ++i)
        for (std::size_t a = 0; a < move_axes; ++a) {
            const int step = got[i].pos[a] - got[i - 1].pos[a];
            EXPECT_LE(std::abs(step), st.axes.mSpeed[a]) << "message " << i;
            EXPECT_LE(std::abs(step - (got[i - 1].pos[a] - got[i - 2].pos[a])), st.axes.acc[a]) << "message " << i;
        }
    EXPECT_EQ(st.move.keyframe_count(), 3);
    EXPECT_EQ(st.editing.name(), "m1");
}

// A move that asks ten times the acceleration of axis A, fitted by Ctrl+F's
// action and played: every message keeps every axis's speed and acceleration.
TEST(EndToEnd, AFittedMovePlaysWithinEveryAxissLimits) {
    Session s;
    AppState& st = s.app.state();
    s.type("Text2", "120");
    s.click("Command21");
    for (auto [frame, a] : {std::pair{"10", 0.0}, {"20", 1000.0}, {"70", -400.0}}) {
        st.engine.curpos = {a, a / 4, 0, 0, 0};
        add_keyframe_at(s, frame);
    }
    ASSERT_FALSE(st.check.ok());
    s.window->findChild<QAction*>("fitMove")->trigger();
    ASSERT_TRUE(st.check.ok()) << st.notices.status;
    const int frames = st.move.totalframes;
    s.click("gotostart");
    s.tick_until([&] { return st.engine.mode != EngineMode::Positioning; });
    s.click("run");
    ASSERT_TRUE(st.engine.mode == EngineMode::Playing) << st.notices.status;
    std::vector<Decoded> got{s.tick()};
    for (int f = 2; f <= frames; ++f) got.push_back(s.tick());
    got.push_back(s.tick());  // at rest after the last frame
    EXPECT_EQ(got.back().lead, lead_position);
    EXPECT_EQ(got.back().pos[0], std::lround(st.move.movepos.at(frames, 0)));
    for (std::size_t i = 1; i < got.size(); ++i)
        for (std::size_t a = 0; a < move_axes; ++a) {
            const int step = got[i].pos[a] - got[i - 1].pos[a];
            const int before = i > 1 ? got[i - 1].pos[a] - got[i - 2].pos[a] : 0;
            EXPECT_LE(std::abs(step), st.axes.mSpeed[a]) << "message " << i << " axis " << a;
            EXPECT_LE(std::abs(step - before), st.axes.acc[a]) << "message " << i << " axis " << a;
        }
}
