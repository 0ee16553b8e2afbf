#include "move/move_length.h"

#include "graph/move_graph.h"
#include "move/keyframe_editing.h"
#include "move/messages.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

// A length beyond the longest move is refused; the box shows the length kept.
bool refuse_if_too_long(AppState& state) {
    const num::Reading r = num::read_prefix(state.panel.text("Text2"));
    if (!r.overflow && num::int_floor(r.value) <= max_frames) return false;
    state.notices.say(move_msg::length_too_long(state.move.totalframes));
    state.panel.set_text("Text2", num::to_text(state.move.totalframes));
    return true;
}

void apply_length(AppState& state) {
    MoveModel& m = state.move;
    const double n = num::int_floor(num::val(state.panel.text("Text2")));
    if (n < 1) {
        m.totalframes = 1;
        state.panel.set_text("Text2", "1");
        return;
    }
    m.totalframes = static_cast<int>(n);
    set_chart_rows(state, m.totalframes);
    m.create_tables(m.totalframes);
    m.nextkf = 1;
    state.panel.set_text("keyframes", "0");
    state.graph.divisions_per_label = divisions_per_label(m.totalframes);
}

}  // namespace

int divisions_per_label(int totalframes) {
    return static_cast<int>(num::round_half_even(totalframes / 10.0));
}

bool apply_total_frames(AppState& state) {
    if (refuse_if_too_long(state)) return false;
    apply_length(state);
    return true;
}

void set_total_frames(AppState& state) {
    if (refuse_if_too_long(state)) return;
    clear_move(state);
    apply_length(state);
}

}  // namespace kestrova
