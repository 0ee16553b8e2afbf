#include "app/app.h"

#include "axes/axes_commands.h"
#include "axes/setup_file.h"
#include "files/file_commands.h"
#include "files/file_panel.h"
#include "graph/graph_commands.h"
#include "graph/move_graph.h"
#include "axes/setup_dialog.h"
#include "engine/frame_engine.h"
#include "link/link.h"
#include "link/link_commands.h"
#include "motion/motion_commands.h"
#include "motion/playback_commands.h"
#include "motion/single_frame_timing.h"
#include "move/move_commands.h"
#include "shaping/shaping_commands.h"
#include "app/controls.h"
#include "app/help_text.h"
#include "tools/tool_commands.h"

namespace kestrova {

namespace {

MotionContext motion_context(AppState& s) {
    return {s.engine, s.single_frame, s.link, s.move, s.axes, s.panel, s.notices};
}

}  // namespace

App::App(std::filesystem::path workdir, std::unique_ptr<PortOpener> opener) {
    state_.workdir = std::move(workdir);
    link_ = std::make_unique<Link>(state_.link, state_.notices, std::move(opener));
    link_->set_hooks({
        .port_lost = [this](const std::optional<Decoded>& last) { stop_motion_keep_positions(motion_context(state_), last); },
        .rig_not_reading = [this](const std::optional<Decoded>& last) { stop_for_stalled_rig(motion_context(state_), last); },
    });
    engine_ = std::make_unique<FrameEngine>(
        EngineContext{state_.engine, state_.link, state_.move, state_.axes, state_.panel, state_.notices}, *link_);
    engine_->set_hooks({
        .single_frame_step = [this] { single_frame_engine_step(motion_context(state_)); },
        .apply_setup =
            [this] {
                apply_setup_dialog(state_);
                state_.panel.set_text("setupfix", "0");
            },
    });
    create_main_controls(state_.panel);
    create_setup_controls(state_.form1);
    create_help_controls(state_.form2);
    state_.form1.add("Form1", ControlKind::Frame, "Setup").visible = false;
    state_.form2.add("Form2", ControlKind::Frame, help_heading).visible = false;
    install();
}

App::~App() = default;

void App::install() {
    install_shell_commands();
    install_move_commands(state_);
    install_shaping_commands(state_);
    install_graph_commands(state_);
    install_axes_commands(state_);
    install_link_commands({state_.panel, state_.link, state_.notices, *link_,
                           [this](bool visible) { state_.panel.set_visible("MSChart1", visible); }});
    install_motion_commands(motion_context(state_), state_.triggers);
    // The setup dialog hands its values to the engine's next step.
    state_.panel.on_change("setupfix", [this](const std::string& t) {
        if (t == "1") request_setup_apply(state_.engine);
    });
    install_file_commands(state_);
    install_tool_commands(state_);
}

void App::install_shell_commands() {
    Panel& p = state_.panel;
    p.on_press("smallversion", [this] {
        LinkState& l = state_.link;
        l.smallversionbit = !l.smallversionbit;
        state_.panel.set_colour("smallversion", l.smallversionbit ? colour::green : colour::red);
        state_.panel.set_caption("smallversion", l.smallversionbit ? "Small" : "Large");
    });
    p.on_press("help", [this] { state_.form2.set_visible("Form2", true); });
    state_.form2.on_press("Command1", [this] { state_.form2.set_visible("Form2", false); });
    p.on_press("exitmenu", [this] {
        link_->go_offline();
        quit_requested_ = true;
    });
}

void App::start() {
    AppState& s = state_;
    Panel& p = s.panel;
    EngineState& e = s.engine;
    // 1..4: flags, the move length and the move tables.
    s.triggers = TriggerState{};
    s.link.commsoff = true;
    s.move.totalframes = default_frames;
    s.move.curframe = 1;
    s.move.create_tables(default_frames);
    e.positioning.entrytarget = false;
    s.single_frame.sfrun = false;
    s.move.nextkf = 1;
    p.set_text("keyframes", "0");
    // 5, 6: the folder list and the Bezier option.
    show_moves_folder(s);
    s.shaping.bzsmooth = false;
    // 7: the chart's frame axis labels.
    s.graph.divisions_per_label = s.move.totalframes;
    // 8: play-back frame and sound sync.
    e.play.playframe = 1;
    p.set_colour("Sound", colour::red);
    e.sound_sync.soundsync = false;
    // 10..12: reverse flags, present positions, axis defaults.
    s.axes = AxisSettings::defaults();
    e.curpos.fill(0);
    e.lastpos.fill(0);
    // 13: the setup file overwrites names and settings.
    load_setup(s);
    // 14, 15
    e.play.restartflag = false;
    e.play.playdiv = 1;
    p.set_text("keyframes", "0");
    for (int f = 1; f <= s.move.totalframes; ++f) s.move.movepos.at(f, 0) = 0;
    // The chart shows the move's rows, all 0.
    set_chart_rows(s, s.move.totalframes);
    // 16: its change rule turns the F-key status box red.
    p.set_text("Text2", "1500");
    // 17: the port stays closed; going on line is the operator's choice.
    s.link.commnum = 1;
    // 18: every axis shown on the graph.
    for (int i = 0; i < axis_count; ++i) {
        s.graph.showaxis[static_cast<std::size_t>(i)] = true;
        p.set_colour("Command19_" + std::to_string(i), colour::green);
    }
    // 19: the message-form button shows the form in use (the long one).
    s.link.smallversionbit = false;
    p.set_colour("smallversion", colour::red);
    p.set_caption("smallversion", "Large");
    s.link.resetreq = false;
    // 20: the name labels; Text9's change also runs the file panel's pick once.
    for (int a = 0; a < 5; ++a) p.set_text(name_labels[a], p.text("Name" + std::to_string(a + 1)));
    // The help window's text.
    s.form2.set_text("Text1", help_text);
}

void App::tick() {
    single_frame_timer_tick(motion_context(state_));
    engine_->step();
}

}  // namespace kestrova
