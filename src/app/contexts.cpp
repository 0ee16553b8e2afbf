#include "app/contexts.h"

#include "app/fkey_status.h"
#include "move/keyframe_editing.h"

namespace kestrova {

AxesContext axes_context(AppState& s) {
    AxesHooks hooks;
    // The engine applies the dialog on its next step.
    hooks.settings_applied = [&s] { s.panel.set_text("setupfix", "1"); };
    return AxesContext{s.panel, s.form1, s.axes, s.notices, s.engine.curpos, s.workdir, std::move(hooks)};
}

GraphContext graph_context(AppState& s) {
    GraphHooks hooks;
    hooks.disable_fkeys = [&s] { disable_fkeys(s.panel); };
    return GraphContext{s.graph, s.move, s.panel, s.notices, ControlName{"Text24"}, std::move(hooks)};
}

FilesContext files_context(AppState& s) {
    FilesHooks hooks;
    hooks.show_move = [&s] {
        s.panel.show(ControlName{"Text2"}, std::to_string(s.move.totalframes));
        s.panel.show(ControlName{"keyframes"}, std::to_string(s.move.keyframe_count()));
        rebuild_keyframe_lists(s);
    };
    return FilesContext{s.files, s.move, s.panel, s.notices, s.workdir, graph_context(s), std::move(hooks)};
}

}  // namespace kestrova
