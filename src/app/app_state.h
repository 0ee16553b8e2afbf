// All of the program's state, grouped by subsystem. One instance per program;
// the window and the tests reach it through the App.
#pragma once

#include <filesystem>
#include <memory>

#include "app/move_editing.h"
#include "app/recent_moves.h"
#include "axes/axes_context.h"
#include "axes/axis_settings.h"
#include "base/events.h"
#include "check/move_check.h"
#include "files/file_panel_state.h"
#include "graph/graph_state.h"
#include "engine/engine_state.h"
#include "link/link_state.h"
#include "motion/motion_state.h"
#include "move/controls.h"
#include "move/move_context.h"
#include "move/move_model.h"
#include "pad/gamepad.h"
#include "pad/pad_setup_section.h"
#include "shaping/shaping_context.h"
#include "shaping/shaping_state.h"
#include "base/notices.h"
#include "base/panel.h"

namespace kestrova {

class KeyframeDrag;

struct AppState {
    Panel panel;   // the main window's controls
    Panel form1;   // the setup dialog's controls
    Panel form2;   // the help window's controls
    MoveModel move;
    MoveEntries move_entries;  // the Position and Total frames boxes, as read
    AxisNames axis_names;      // the main window's name boxes, as read
    AxisSettings axes = AxisSettings::defaults();
    SetupDialogState setup_dialog;  // refused edits kept for the next opening
    // Told when pulses per unit or a toggle change; the window keeps them.
    std::function<void()> axes_kept_changed;
    EngineState engine;
    LinkState link;
    SingleFrameState single_frame;
    MotionEntries motion_entries;  // the boxes the motion commands read, as read
    TriggerState triggers;
    GraphState graph;
    ShapingState shaping;
    FilePanelState files;
    Notices notices;
    std::filesystem::path workdir;  // where stats.ini, moves/ and the lookup files live
    MoveEditing editing{move, nullptr};  // undo, redo, unsaved changes
    MoveCheck check;                     // the move against the axis settings
    std::string check_line;              // "Move check: OK" or the worst finding
    RecentMoves recent;                  // the moves last loaded or saved
    // Fit to rig and its kin: the share of the limits they use, in percent, and
    // the undo step of the last retiming while its move before is still drawn.
    struct Retiming {
        int share_percent = 100;
        long drawn_step = -1;
    } retiming;
    // A keyframe marker being dragged on the chart (app/keyframe_drag.h); any
    // command ends it first, so nothing acts on a half-dragged move.
    std::shared_ptr<KeyframeDrag> keyframe_drag;
    Gamepad gamepad;                     // jogging and keyframes from a game controller
    PadSetupSection pad_section{form1};  // its part of the setup dialog

    // What the lower layers posted for the App to dispatch (app/event_dispatch.h).
    Events events;
    // What the move and shaping commands may touch.
    MoveContext move_context() { return {move, move_entries, panel, notices, engine.curpos, events}; }
    ShapingContext shaping_context() { return {move, shaping, panel, notices, ctl::shared_readout_box, events}; }
};

}  // namespace kestrova
