#include "motion/single_frame.h"

#include <cmath>

#include "motion/goto_commands.h"
#include "motion/messages.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

struct IntervalBox {
    const char* name;
    const char* default_text;
    double below;  // values run 0 .. below - 1
    std::string_view what;
};

IntervalBox interval_box(IntervalField f) {
    switch (f) {
    case IntervalField::Hours: return {"hrset", "00", 100, motion_msg::hours_box};
    case IntervalField::Minutes: return {"minset", "00", 60, motion_msg::minutes_box};
    case IntervalField::Seconds: break;
    }
    return {"secset", "10", 60, motion_msg::seconds_box};
}

void show_button(AppState& s, bool on) {
    s.panel.set_caption("setsingle", on ? "S.F. on" : "S.F. off");
    s.panel.set_colour("setsingle", on ? colour::green : colour::red);
}

}  // namespace

void set_lamp(AppState& s, bool lit) {
    s.panel.set_colour("camflash", lit ? colour::highlight : colour::inactive_border);
}

bool lamp_lit(const AppState& s) { return s.panel.at("camflash").colour == colour::highlight; }

void end_single_frame(AppState& s) {
    s.engine.sfrun = false;
    s.engine.sfmatch = false;
    show_button(s, false);
    set_lamp(s, false);
}

void toggle_single_frame(AppState& s) {
    Panel& p = s.panel;
    EngineState& e = s.engine;
    const bool interval_set =
        num::val(p.text("hrset")) > 0 || num::val(p.text("minset")) > 0 || num::val(p.text("secset")) > 0;
    if (!interval_set) {
        end_single_frame(s);
        s.notices.say(motion_msg::no_interval);
        return;
    }
    if (e.sfrun) {
        end_single_frame(s);
        return;
    }
    // The run steps on from the frame in the Position box; it must be one of the move.
    const std::string start = p.text("Text1");
    const auto frame = num::whole_number(start);
    if (!frame || !is_move_frame(s, *frame)) {
        s.notices.say(motion_msg::no_start_frame);
        return;
    }
    e.sfrun = true;
    e.sfmatch = false;
    e.gototarget = *frame;
    p.set_text("gotoFN", start);
    e.tcframes = e.tcsecs = e.tcmins = e.tchours = 0;
    show_button(s, true);
    set_lamp(s, true);
}

void interval_box_rule(AppState& s, IntervalField field, const std::string& text) {
    const IntervalBox box = interval_box(field);
    const auto v = num::whole_number(text);
    if (!v) {
        s.panel.set_text(box.name, box.default_text);
        s.notices.say(motion_msg::not_a_number(box.what, box.default_text));
        return;
    }
    // Only whole counts can ever match the interval counter.
    if (*v >= 0 && *v < box.below && *v == std::floor(*v)) return;
    s.panel.set_text(box.name, "0");
    s.notices.say(motion_msg::out_of_range(box.what, "a whole number 0 to " + num::to_text(box.below - 1), "0"));
}

void exposure_box_rule(AppState& s, const std::string& text) {
    const double x = num::val(text);
    if (x > 0 && x < exposure_limit && x == std::floor(x)) return;
    s.notices.say(motion_msg::bad_exposure);
}

}  // namespace kestrova
