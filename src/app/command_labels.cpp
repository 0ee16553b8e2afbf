#include "app/command_labels.h"

#include <array>
#include <utility>

#include "files/controls.h"
#include "graph/controls.h"
#include "motion/controls.h"
#include "move/controls.h"
#include "move/history_messages.h"
#include "move/keyframe_editing.h"
#include "shaping/controls.h"
#include "tools/controls.h"

namespace kestrova {

namespace {

namespace label = history_msg::label;

// Buttons whose captions do not say what they do to the move.
const std::array<std::pair<ControlName, const std::string*>, 14> labels{{
    {ctl::add_keyframe_button, &label::add_keyframe},
    {ctl::delete_keyframe_button, &label::delete_keyframe},
    {ctl::clear_move_button, &label::clear_move},
    {ctl::set_total_frames_button, &label::set_total_frames},
    {ctl::total_frames_box, &label::set_total_frames},
    {ctl::recalc_button, &label::recalc},
    {ctl::bezier_button, &label::bezier},
    {ctl::bezier_smooth_button, &label::bezier},
    {ctl::smooth_button, &label::smooth},
    {ctl::corrected_smooth_button, &label::corrected_smooth},
    {ctl::clear_corrections_button, &label::clear_corrections},
    {ctl::bezier_samples_button, &label::bezier_samples},
    {ctl::import_menu, &label::import_ascii},
    {ctl::lookup_bin_button, &label::lookup_table},
}};

}  // namespace

bool changes_what_rig_follows(std::string_view control, const FilePanelState& files) {
    for (const auto& entry : labels)
        if (entry.first.view() == control) return true;
    if (control == ctl::file_list.view()) return files.loadmode;  // picking a file to load it
    return control == ctl::play_speed_button.view();
}

std::string command_label(std::string_view control, const Panel& panel, const MoveModel& move,
                          const MoveEntries& entries) {
    if (control == ctl::add_keyframe_button.view()) {
        const std::optional<int> frame = entered_frame(entries, move);
        if (frame && keyframe_row(move, *frame)) return label::replace_keyframe;
    }
    for (const auto& [name, text] : labels)
        if (name.view() == control) return *text;
    // Picking a file in the file panel loads it (or saves, which changes no move).
    if (control == ctl::file_list.view() || control == ctl::file_name_box.view()) return label::load_move;
    const ControlName name{control};
    return panel.has(name) ? panel.at(name).text : std::string(control);
}

}  // namespace kestrova
