#include "app/event_dispatch.h"

#include <algorithm>

#include "app/contexts.h"
#include "axes/controls.h"
#include "axes/setup_dialog.h"
#include "engine/frame_engine.h"
#include "graph/move_graph.h"
#include "move/move_length.h"

namespace kestrova {

void dispatch_events(AppState& s) {
    const std::vector<Event> taken = s.events.take_all();
    const auto posted = [&taken](Event e) { return std::find(taken.begin(), taken.end(), e) != taken.end(); };
    for (const Event e : taken) {
        switch (e) {
        case Event::length_changed:
            // A draw that follows sizes the chart itself.
            if (posted(Event::move_changed) || posted(Event::chart_stale)) break;
            set_chart_rows(s.graph, s.move.totalframes);
            s.graph.divisions_per_label = divisions_per_label(s.move.totalframes);
            break;
        case Event::move_changed:
            if (!posted(Event::chart_stale)) draw_graph(graph_context(s));
            break;
        case Event::chart_stale:
            refresh_graph(graph_context(s));
            break;
        case Event::setup_opened:
            s.pad_section.open(s.gamepad.settings());
            break;
        case Event::setup_accepted:
            // The engine applies the dialog on its next step; the pad's section is its own.
            request_setup_apply(s.engine);
            if (!s.pad_section.save(s.gamepad, s.notices)) s.form1.set_visible(ctl::setup_dialog, true);
            break;
        case Event::setup_due:
            apply_setup_dialog(axes_context(s));
            break;
        case Event::kept_settings_changed:
            if (s.axes_kept_changed) s.axes_kept_changed();
            break;
        }
    }
}

}  // namespace kestrova
