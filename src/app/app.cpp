#include "app/app.h"

#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/event_dispatch.h"
#include "axes/axes_commands.h"
#include "axes/controls.h"
#include "axes/setup_file.h"
#include "base/file_io.h"
#include "files/controls.h"
#include "files/file_commands.h"
#include "files/file_panel.h"
#include "graph/controls.h"
#include "graph/graph_commands.h"
#include "graph/move_graph.h"
#include "axes/setup_dialog.h"
#include "engine/frame_engine.h"
#include "link/link.h"
#include "link/link_commands.h"
#include "motion/controls.h"
#include "motion/motion_commands.h"
#include "motion/play_progress.h"
#include "motion/playback_commands.h"
#include "motion/single_frame_timing.h"
#include "move/controls.h"
#include "move/fkey_status.h"
#include "base/numeric.h"
#include "move/move_commands.h"
#include "move/move_length.h"
#include "shaping/shaping_commands.h"
#include "app/app_controls.h"
#include "app/controls.h"
#include "app/help_text.h"
#include "tools/tool_commands.h"

namespace kestrova {

App::App(std::filesystem::path workdir, std::unique_ptr<PortOpener> opener) {
    state_.workdir = std::move(workdir);
    link_ = std::make_unique<Link>(state_.link, state_.notices, std::move(opener));
    link_->set_hooks({
        .port_lost = [this](const std::optional<Decoded>& last) { stop_motion_keep_positions(motion_context(state_), last); },
        .rig_not_reading = [this](const std::optional<Decoded>& last) { stop_for_stalled_rig(motion_context(state_), last); },
    });
    engine_ = std::make_unique<FrameEngine>(engine_context(state_), *link_);
    create_main_controls(state_.panel);
    create_setup_controls(state_.form1);
    create_help_controls(state_.form2);
    state_.form1.add(ctl::setup_dialog, ControlKind::Frame, "Setup").visible = false;
    state_.form2.add(ctl::help_window, ControlKind::Frame, help_heading).visible = false;
    install();
}

App::~App() = default;

void App::stop_everything() { kestrova::stop_everything(motion_context(state_)); }

std::string App::progress() { return play_progress(motion_context(state_)); }

void App::install() {
    install_shell_commands();
    install_move_commands(state_.move_context(), state_.move_entries);
    install_shaping_commands(state_.shaping_context());
    install_graph_commands(graph_context(state_));
    install_axes_commands(axes_context(state_));
    install_link_commands({state_.panel, state_.link, state_.notices, *link_, ctl::move_chart});
    install_motion_commands(motion_context(state_), state_.triggers);
    install_file_commands(files_context(state_));
    install_tool_commands(state_.panel, {state_.workdir, state_.notices, state_.engine.curpos[0]});
    install_editing(state_);
    state_.pad_section.install();
}

void App::install_shell_commands() {
    Panel& p = state_.panel;
    p.on_press(ctl::message_form_button, [this] {
        LinkState& l = state_.link;
        l.smallversionbit = !l.smallversionbit;
        state_.panel.set_colour(ctl::message_form_button, l.smallversionbit ? colour::green : colour::red);
        state_.panel.set_caption(ctl::message_form_button, l.smallversionbit ? "Small" : "Large");
    });
    // The name labels above the position columns follow the axis names.
    for (std::size_t a = 0; a < ctl::axis_name_labels.size(); ++a)
        p.on_change(ctl::axis_name_boxes[a],
                    [this, a](const std::string& name) { state_.panel.show(ctl::axis_name_labels[a], name); });
    p.on_press(ctl::help_menu, [this] { state_.form2.set_visible(ctl::help_window, true); });
    state_.form2.on_press(ctl::help_close_button, [this] { state_.form2.set_visible(ctl::help_window, false); });
    p.on_press(ctl::exit_menu, [this] {
        link_->go_offline();
        quit_requested_ = true;
    });
}

void App::start() {
    AppState& s = state_;
    Panel& p = s.panel;
    EngineState& e = s.engine;
    // Nothing armed, running or on line; a move of the default length, all zero.
    s.triggers = TriggerState{};
    s.link.commsoff = true;
    s.move.totalframes = default_frames;
    s.move.curframe = 1;
    s.move.create_tables(default_frames);
    s.move.nextkf = 1;
    p.set_text(ctl::keyframe_count_box, "0");
    // The file panel lists the moves folder, without what a killed save left behind.
    show_moves_folder(files_context(s));
    remove_stale_temporaries(moves_folder(s.workdir));
    s.shaping.bzsmooth = false;
    // The chart's frame axis in one division until a length is applied.
    s.graph.divisions_per_label = s.move.totalframes;
    // Play-back from the first frame, sound sync off.
    e.play.playframe = 1;
    p.set_colour(ctl::sound_sync_button, colour::red);
    e.sound_sync.soundsync = false;
    // Default axis settings and the rig at zero, before the setup file may change them.
    s.axes = AxisSettings::defaults();
    e.curpos.fill(0);
    e.lastpos.fill(0);
    // The setup file overwrites names and settings; without one the F keys still move.
    if (load_setup(axes_context(s)) != SetupLoad::loaded) give_starting_fspeeds(axes_context(s));
    e.play.playdiv = 1;
    // The chart shows the move's rows, all 0.
    for (int f = 1; f <= s.move.totalframes; ++f) s.move.movepos.at(f, 0) = 0;
    set_chart_rows(s.graph, s.move.totalframes);
    // The box shows the length; the F keys start switched off.
    p.show(ctl::total_frames_box, num::to_text(s.move.totalframes));
    disable_fkeys(p);
    // The port stays closed; going on line is the operator's choice.
    s.link.commnum = 1;
    // Every axis shown on the chart.
    for (int i = 0; i < axis_count; ++i) {
        s.graph.showaxis[static_cast<std::size_t>(i)] = true;
        p.set_colour(ctl::show_axis_buttons[static_cast<std::size_t>(i)], colour::green);
    }
    // The message-form button shows the form in use (the long one).
    s.link.smallversionbit = false;
    p.set_colour(ctl::message_form_button, colour::red);
    p.set_caption(ctl::message_form_button, "Large");
    s.link.resetreq = false;
    // The name labels show the axis names.
    for (std::size_t a = 0; a < ctl::axis_name_labels.size(); ++a) p.show(ctl::axis_name_labels[a], s.axis_names[a]);
    // The help window's text.
    s.form2.set_text(ctl::help_text_box, help_text);
    dispatch_events(s);
}

void App::tick() {
    const std::optional<std::uint8_t> first_byte = engine_->receive();
    single_frame_tick(motion_context(state_));
    engine_->step(first_byte);
    state_.graph.play_head = state_.engine.mode == EngineMode::Playing ? static_cast<int>(state_.move.curframe) : 0;
    dispatch_events(state_);
    if (journal_) journal_->tick(state_.notices);
}

void App::read_pad(const PadPoll& poll) { state_.gamepad.tick(poll, gamepad_context(state_)); }

void App::keep_log(Journal::Sink sink) {
    journal_ = std::make_unique<Journal>(std::move(sink));
    journal_->attach(state_.notices);
    journal_->tick(state_.notices);
}

}  // namespace kestrova
