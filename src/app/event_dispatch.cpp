#include "app/event_dispatch.h"

#include <algorithm>

#include "app/contexts.h"
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
        }
    }
}

}  // namespace kestrova
