#include "app/command_labels.h"

#include <array>
#include <utility>

#include "files/controls.h"
#include "graph/controls.h"
#include "move/controls.h"
#include "shaping/controls.h"
#include "tools/controls.h"

namespace kestrova {

namespace {

// Buttons whose captions do not say what they do to the move.
const std::array<std::pair<ControlName, const char*>, 14> labels{{
    {ctl::add_keyframe_button, "Add KeyFrame"},
    {ctl::delete_keyframe_button, "Del KeyFrame"},
    {ctl::clear_move_button, "Clear Move"},
    {ctl::set_total_frames_button, "Set Total Frames"},
    {ctl::total_frames_box, "Set Total Frames"},
    {ctl::recalc_button, "re calc"},
    {ctl::bezier_button, "Bezier"},
    {ctl::bezier_smooth_button, "Bezier"},
    {ctl::smooth_button, "Smooth"},
    {ctl::corrected_smooth_button, "Corrected Smooth"},
    {ctl::clear_corrections_button, "Clear Corrections"},
    {ctl::bezier_samples_button, "Bezier Samples on A"},
    {ctl::import_menu, "Import Ascii"},
    {ctl::lookup_bin_button, "Lookup Table"},
}};

}  // namespace

std::string command_label(std::string_view control, const Panel& panel) {
    for (const auto& [name, label] : labels)
        if (name.view() == control) return label;
    // Picking a file in the file panel loads it (or saves, which changes no move).
    if (control == ctl::file_list.view() || control == ctl::file_name_box.view()) return "Load Move";
    const ControlName name{control};
    return panel.has(name) ? panel.at(name).text : std::string(control);
}

}  // namespace kestrova
