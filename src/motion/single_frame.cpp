#include "motion/single_frame.h"

#include <cmath>
#include <optional>

#include "base/numeric.h"
#include "motion/controls.h"
#include "motion/goto_commands.h"
#include "motion/messages.h"

namespace kestrova {

namespace {

struct IntervalBox {
    ControlName name;
    const char* default_text;
    double below;  // values run 0 .. below - 1
    std::string_view what;
    double SingleFrameState::*field;
};

IntervalBox interval_box(IntervalField f) {
    switch (f) {
    case IntervalField::Hours: return {ctl::hours_box, "00", 100, motion_msg::hours_box, &SingleFrameState::hours};
    case IntervalField::Minutes:
        return {ctl::minutes_box, "00", 60, motion_msg::minutes_box, &SingleFrameState::minutes};
    case IntervalField::Seconds: break;
    }
    return {ctl::seconds_box, "10", 60, motion_msg::seconds_box, &SingleFrameState::seconds};
}

void show_button(Panel& p, bool on) {
    p.set_caption(ctl::single_frame_button, on ? motion_msg::single_frame_on : motion_msg::single_frame_off);
    p.set_colour(ctl::single_frame_button, on ? colour::green : colour::red);
}

}  // namespace

void set_lamp(Panel& panel, bool lit) {
    panel.set_colour(ctl::frame_lamp, lit ? colour::highlight : colour::inactive_border);
}

bool lamp_lit(const Panel& panel) { return panel.at(ctl::frame_lamp).colour == colour::highlight; }

void end_single_frame(const MotionContext& c) {
    EngineMode& mode = c.engine.mode;
    if (mode == EngineMode::SingleFrame) (void)enter(mode, EngineMode::Idle);
    if (mode == EngineMode::SingleFrameStep) (void)enter(mode, EngineMode::GoingToFrame);
    c.single_frame.sfmatch = false;
    show_button(c.panel, false);
    set_lamp(c.panel, false);
}

void toggle_single_frame(const MotionContext& c) {
    Panel& p = c.panel;
    SingleFrameState& sf = c.single_frame;
    const bool interval_set = sf.hours > 0 || sf.minutes > 0 || sf.seconds > 0;
    if (!interval_set) {
        end_single_frame(c);
        c.notices.say(motion_msg::no_interval);
        return;
    }
    EngineMode& mode = c.engine.mode;
    if (single_frame_run(mode)) {
        end_single_frame(c);
        return;
    }
    // The run steps on from the frame in the Position box; it must be one of the move.
    const std::optional<double> frame = c.move_entries.position;
    if (!frame || !is_move_frame(c.move, *frame)) {
        c.notices.say(motion_msg::no_start_frame);
        return;
    }
    // A run started while the rig ramps to a frame counts that ramp as its step.
    const EngineMode run = mode == EngineMode::GoingToFrame ? EngineMode::SingleFrameStep : EngineMode::SingleFrame;
    if (Result<> r = enter(mode, run); !r) {
        c.notices.say(r.error());
        return;
    }
    sf.sfmatch = false;
    c.engine.positioning.gototarget = *frame;
    sf.first_frame = *frame;
    p.set_text(ctl::sub_frame_box, num::to_text(*frame));
    sf.tcframes = sf.tcsecs = sf.tcmins = sf.tchours = 0;
    show_button(p, true);
    set_lamp(p, true);
}

ControlName interval_box_name(IntervalField field) { return interval_box(field).name; }

void interval_box_rule(Panel& panel, Notices& notices, SingleFrameState& sf, IntervalField field,
                       const std::string& text) {
    const IntervalBox box = interval_box(field);
    const auto v = num::whole_number(text);
    if (!v) {
        panel.set_text(box.name, box.default_text);
        notices.say(motion_msg::not_a_number(box.what, box.default_text));
        return;
    }
    // Only whole counts can ever match the interval counter.
    if (*v >= 0 && *v < box.below && *v == std::floor(*v)) {
        sf.*box.field = num::val(text);
        return;
    }
    panel.set_text(box.name, "0");
    notices.say(motion_msg::out_of_range(box.what, "a whole number 0 to " + num::to_text(box.below - 1), "0"));
}

void exposure_box_rule(Notices& notices, SingleFrameState& sf, const std::string& text) {
    const double x = num::val(text);
    sf.exposure = x;
    if (x > 0 && x < exposure_limit && x == std::floor(x)) return;
    notices.say(motion_msg::bad_exposure);
}

}  // namespace kestrova
