#include "motion/goto_commands.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "motion/jog_keys.h"
#include "motion/messages.h"
#include "app/controls.h"
#include "app/fkey_status.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

// Reads a box as a whole-text number; a box holding none is put back to its
// default text and the refusal reported.
std::optional<double> read_box(AppState& s, const char* box, std::string_view what, const char* default_text) {
    if (auto v = num::whole_number(s.panel.text(box))) return v;
    s.panel.set_text(box, default_text);
    s.notices.say(motion_msg::not_a_number(what, default_text));
    return std::nullopt;
}

void clear_atspeed(EngineState& e) { e.atspeed.fill(false); }

// Starts the engine's go-to-frame ramp towards gototarget.
void start_frame_move(EngineState& e) {
    e.gotoactive = true;
    e.gotophase = 1;
    clear_atspeed(e);
}

bool refuse_frame(AppState& s, double frame) {
    s.notices.say(motion_msg::no_such_frame(frame, s.move.totalframes));
    return false;
}

void show_page(AppState& s) {
    const double p = num::int_floor(std::max(0.0, s.engine.gototarget - first_page_frame) / frames_per_page);
    s.panel.set_text("Text17", num::to_text(p));
    s.panel.set_text("Text12", num::to_text(p));
}

bool step_by(AppState& s, int delta) {
    const auto f = read_box(s, "gotoFN", motion_msg::sub_frame_box, "1");
    if (!f) return false;
    if (delta > 0 && !(*f < s.move.totalframes)) {
        s.notices.say(motion_msg::at_last_frame);
        return false;
    }
    if (delta < 0 && !(*f > 1)) {
        s.notices.say(motion_msg::at_first_frame);
        return false;
    }
    const std::string next = num::to_text(*f + delta);
    s.panel.set_text("gotoFN", next);
    s.panel.set_text("Text18", next);
    const bool started = go_to_sub_frame(s);
    show_page(s);
    return started;
}

}  // namespace

bool is_move_frame(const AppState& s, double frame) {
    return frame == std::floor(frame) && frame >= 1 && frame <= s.move.totalframes &&
           s.move.movepos.has_frame(static_cast<int>(frame));
}

bool step_forward(AppState& s) { return step_by(s, +1); }
bool step_back(AppState& s) { return step_by(s, -1); }

bool go_to_sub_frame(AppState& s) {
    disable_fkeys(s.panel);
    const auto f = read_box(s, "gotoFN", motion_msg::sub_frame_box, "1");
    if (!f) return false;
    double target = *f;
    if (target <= 0) {
        target = 1;
        s.panel.set_text("gotoFN", "1");
    }
    if (!is_move_frame(s, target)) return refuse_frame(s, target);
    EngineState& e = s.engine;
    e.gototarget = target;
    start_frame_move(e);
    for (int a = 0; a < move_axes; ++a) e.jog[a] = 0;
    return true;
}

bool go_to_frame(AppState& s) {
    disable_fkeys(s.panel);
    const auto t = read_box(s, "Text18", motion_msg::frame_box, "1");
    if (!t) return false;
    double target = *t;
    if (target >= s.move.totalframes + 1) {
        target = s.move.totalframes;
        s.panel.set_text("Text18", num::to_text(target));
    }
    // Frame 0 and below have no row either.
    if (!is_move_frame(s, target)) return refuse_frame(s, target);
    EngineState& e = s.engine;
    e.gototarget = target;
    s.panel.set_text("gotoFN", num::to_text(target));
    start_frame_move(e);
    for (int a = 0; a < move_axes; ++a) e.jog[a] = 0;
    return true;
}

bool go_to_end(AppState& s) {
    s.panel.set_text("Text18", num::to_text(s.move.totalframes));
    return go_to_frame(s);
}

bool go_to_page(AppState& s) {
    disable_fkeys(s.panel);
    const auto read = read_box(s, "Text12", motion_msg::page_box, "0");
    if (!read) return false;
    double page = *read;
    if (page <= -1) {
        page = 0;
        s.panel.set_text("Text12", "0");
    } else if (page >= last_page) {
        page = last_page;
        s.panel.set_text("Text12", num::to_text(last_page));
    }
    const double target = page * frames_per_page + first_page_frame;
    if (!is_move_frame(s, target)) return refuse_frame(s, target);
    EngineState& e = s.engine;
    e.gototarget = target;
    s.panel.set_text("gotoFN", num::to_text(target));
    start_frame_move(e);
    e.jog[0] = 0;
    return true;
}

void go_to_start(AppState& s) {
    disable_fkeys(s.panel);
    EngineState& e = s.engine;
    // The start is the goal: neither zero nor old typed positions.
    e.hometarget = false;
    e.entrytarget = false;
    e.posmoving = true;
    e.gotophase = 1;
    clear_atspeed(e);
    s.panel.set_text("Text1", "1");
    s.panel.set_text("Text18", "1");
    s.panel.set_text("gotoFN", "1");
    s.move.curframe = 1;
    s.panel.set_value("HScroll1", 1);
}

bool go_to_position(AppState& s) {
    EngineState& e = s.engine;
    double largest = 0;
    for (int a = 0; a < move_axes; ++a) {
        // The boxes show units; goals are in pulses and inside the limits, or
        // the ramp and the limit clamp would fight for ever.
        const double units = num::val(s.panel.text(axis_box("pos", a)));
        e.target[a] = std::clamp(units * position_scale(s, a), s.axes.min[a], s.axes.max[a]);
        largest = std::max(largest, std::fabs(e.target[a] - e.curpos[a]));
    }
    disable_fkeys(s.panel);
    clear_atspeed(e);
    if (num::int_floor(num::int_floor(largest) / 10) <= 0) {
        s.notices.say(motion_msg::nothing_to_position);
        return false;
    }
    e.hometarget = false;
    e.entrytarget = true;
    e.posmoving = true;
    e.gotophase = 1;
    return true;
}

void go_to_zero(AppState& s) {
    disable_fkeys(s.panel);
    EngineState& e = s.engine;
    e.gotophase = 1;
    clear_atspeed(e);
    e.entrytarget = false;  // typed targets would override the zero goals
    e.hometarget = true;
    e.posmoving = true;
    s.panel.set_text("Text18", "1");
    s.panel.set_text("gotoFN", "1");
    s.panel.set_value("HScroll1", 1);
}

void zero_all(AppState& s) {
    Panel& p = s.panel;
    disable_fkeys(p);
    if (p.text("zeroall") != "confirm") {
        p.set_caption("zeroall", "confirm");
        return;
    }
    for (int a = 0; a < move_axes; ++a) {
        s.engine.curpos[a] = 0;
        p.set_text(axis_box("pos", a), "0");
    }
    s.engine.resetreq = true;
    p.set_caption("zeroall", "Zero All Axies");
}

void frame_box_rule(AppState& s, const std::string& text) {
    const double v = num::val(text);
    if (v > 0 && v < s.move.totalframes + 1) return;
    s.panel.set_text("Text18", "1");
    s.notices.say(motion_msg::out_of_range(motion_msg::frame_box,
                                           "1 to " + num::to_text(s.move.totalframes), "1"));
}

void page_box_rule(AppState& s) { disable_fkeys(s.panel); }

}  // namespace kestrova
