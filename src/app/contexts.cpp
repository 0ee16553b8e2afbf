#include "app/contexts.h"

#include "app/editing_commands.h"

#include "engine/controls.h"
#include "engine/frame_engine.h"
#include "axes/controls.h"
#include "graph/controls.h"
#include "motion/controls.h"
#include "move/controls.h"
#include "move/fkey_status.h"
#include "move/keyframe_editing.h"
#include "move/move_length.h"

namespace kestrova {

AxesContext axes_context(AppState& s) {
    return AxesContext{s.panel,   s.form1,         s.axes,    s.axis_names, s.setup_dialog,
                       s.notices, s.engine.curpos, s.workdir, s.events};
}

GraphContext graph_context(AppState& s) {
    return GraphContext{s.graph, s.move, s.panel, s.axis_names, s.axes, s.notices, ctl::shared_readout_box};
}

FilesContext files_context(AppState& s) {
    FilesHooks hooks;
    hooks.move_matches_file = [&s](const std::filesystem::path& path) {
        s.editing.matches_file(path);
        s.recent.add(path);
    };
    hooks.move_has_no_file = [&s] { s.editing.untitled(); };
    hooks.move_file = [&s] { return s.editing.file(); };
    return FilesContext{s.files,   s.move,    s.panel,           s.axis_names,
                        s.notices, s.workdir, graph_context(s), s.move_context(), std::move(hooks)};
}

EngineContext engine_context(AppState& s) { return {s.engine, s.link, s.move, s.axes, s.panel, s.notices, s.events}; }

GamepadContext gamepad_context(AppState& s) {
    return {s.engine, s.axes, s.move, s.move_entries, s.panel, s.notices,
            {.stop = ctl::stop_button,
             .add_keyframe = ctl::add_keyframe_button,
             .go_to_frame = ctl::go_to_frame_button,
             .go_to_frame_box = ctl::go_to_frame_box}};
}

MotionContext motion_context(AppState& s) {
    return {s.engine, s.single_frame, s.motion_entries, s.move_entries, s.link, s.move, s.axes, s.panel, s.notices,
            {.before_play = [&s](std::function<void()> play) { ask_before_playing(s, std::move(play)); }}};
}

}  // namespace kestrova
