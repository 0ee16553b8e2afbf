#include "app/controls.h"

#include <string>

#include "app/app_controls.h"
#include "axes/controls.h"
#include "engine/controls.h"
#include "files/controls.h"
#include "graph/controls.h"
#include "link/controls.h"
#include "motion/controls.h"
#include "move/controls.h"
#include "shaping/controls.h"
#include "tools/controls.h"
#include "pad/pad_setup_section.h"

namespace kestrova {

namespace {

using K = ControlKind;

// The captions of the F-key labels beside axes A..E and of the setup rows.
constexpr const char* fkey_texts[5] = {"F1<>F2", "F3<>F4", "F5<>F6", "F7<>F8", "F9<>F10"};

void box(Panel& p, ControlName name, std::string text = {}, std::string tip = {}) {
    p.add(name, K::Box, std::move(text), std::move(tip));
}
void multiline(Panel& p, ControlName name, std::string text = {}) {
    p.add(name, K::Box, std::move(text)).multiline = true;
}
void button(Panel& p, ControlName name, std::string caption, std::string tip = {}) {
    p.add(name, K::Button, std::move(caption), std::move(tip));
}
void label(Panel& p, ControlName name, std::string caption, std::string tip = {}) {
    p.add(name, K::Label, std::move(caption), std::move(tip));
}
void menu(Panel& p, ControlName name, std::string caption) { p.add(name, K::Menu, std::move(caption)); }
void frame(Panel& p, ControlName name, std::string caption) { p.add(name, K::Frame, std::move(caption)); }

void create_menus(Panel& p) {
    menu(p, ctl::file_menu, "File");
    menu(p, ctl::load_move_menu, "Load Move");
    menu(p, ctl::save_move_menu, "Save Move");
    menu(p, ctl::export_menu, "Export Ascii");
    menu(p, ctl::import_menu, "Import Ascii");
    menu(p, ctl::load_setup_menu, "Load Setup");
    menu(p, ctl::save_setup_menu, "Save Setup");
    menu(p, ctl::exit_menu, "Exit");
    menu(p, ctl::setup_menu, "Setup");
    menu(p, ctl::comm_entry, "Comm");
    menu(p, ctl::help_menu, "Help");
}

void create_axis_rows(Panel& p) {
    label(p, ctl::axis_heading, "Axis");
    label(p, ctl::position_heading, "Position");
    label(p, ctl::fspeed_heading, "F speed", "max F key move speed");
    label(p, ctl::axis_speed_heading, "Speed");
    label(p, ctl::fkey_status_label, "enable");
    for (std::size_t i = 0; i < 5; ++i) label(p, ctl::axis_row_labels[i], std::to_string(i + 1));
    label(p, ctl::fkey_heading, "F");
    for (std::size_t i = 0; i < 5; ++i) label(p, ctl::fkey_labels[i], fkey_texts[i]);
    for (ControlName n : ctl::position_unit_labels) label(p, n, "");
    for (std::size_t a = 0; a < 8; ++a) {
        box(p, ctl::axis_name_boxes[a], default_name(static_cast<int>(a)));
        box(p, ctl::position_boxes[a], "0");
        box(p, ctl::axis_speed_boxes[a], "");
        box(p, ctl::fspeed_boxes[a], "", "max F key move speed");
    }
    for (ControlName n : ctl::axis_name_labels) label(p, n, "");
    for (std::size_t a = 0; a < 5; ++a) button(p, ctl::enable_buttons[a], std::string(1, axis_letters[a]), "enable axis");
    box(p, ctl::fkey_status_box, "disabled");
    button(p, ctl::enable_fkeys_button, "enable F keys", "enable F keys to move axis");
    button(p, ctl::disable_fkeys_button, "disable F keys");
}

void create_keyframe_group(Panel& p) {
    frame(p, ctl::keyframe_group, "KeyFrames");
    label(p, ctl::keyframe_frame_label, "Position");
    box(p, ctl::keyframe_frame_box, "1");
    label(p, ctl::total_frames_label, "Total frames", "total frames in move");
    box(p, ctl::total_frames_box, "", "total frames in move");
    label(p, ctl::keyframe_frame_seconds, "");
    label(p, ctl::total_frames_seconds, "");
    label(p, ctl::keyframe_count_label, "Keyframes");
    box(p, ctl::keyframe_count_box, "0", "KFs in move");
    // Kept, but hidden: the keyframe table shows the keyframes instead.
    for (ControlName n : ctl::keyframe_list_boxes) {
        multiline(p, n, "0");
        p.set_visible(n, false);
    }
    button(p, ctl::add_keyframe_button, "Add KeyFrame", "add keyframe at position above");
    button(p, ctl::delete_keyframe_button, "Del KeyFrame", "delete keyframe at position above");
    button(p, ctl::clear_move_button, "Clear Move", "clear move");
    button(p, ctl::recalc_button, "re calc", "recalcute linear move");
    button(p, ctl::set_total_frames_button, "Set Total Frames", "Set move frames to \"Total frames\" value");
}

void create_shaping_group(Panel& p) {
    frame(p, ctl::bezier_group, "Bezier");
    button(p, ctl::bezier_smooth_button, "smooth", "smoth curves");
    button(p, ctl::bezier_button, "");
    box(p, ctl::handle_share_box, "20", "1 linear ,99 minimum accelleration");
    button(p, ctl::smooth_button, "smooth");
    label(p, ctl::smoothing_width_label, "Width");
    box(p, ctl::smoothing_width_box, "10");
    label(p, ctl::smoothing_passes_label, "Passes");
    box(p, ctl::smoothing_passes_box, "5");
    button(p, ctl::corrected_smooth_button, "Smooth");
    button(p, ctl::clear_corrections_button, "clear");
    multiline(p, ctl::smoothing_readout_box);
    multiline(p, ctl::shared_readout_box);
    box(p, ctl::bezier_readout_box);
}

void create_motion_group(Panel& p) {
    frame(p, ctl::motion_group, "Move   ");
    button(p, ctl::run_button, "Run");
    button(p, ctl::stop_button, "Stop");
    button(p, ctl::step_button, "Step", "move to next frame");
    button(p, ctl::step_back_button, "Step", "move to previous frame");
    button(p, ctl::go_to_sub_frame_button, "go to sub frame");
    button(p, ctl::go_to_frame_button, "go to frame", "move to frame below");
    button(p, ctl::go_to_end_button, "go to end", "mave all axies to end of move");
    button(p, ctl::go_to_page_button, "goto Frame");
    button(p, ctl::go_to_start_button, "go to start", "move all axies to start of move");
    button(p, ctl::go_to_position_button, "go to position", "go to values in \"position\" column");
    button(p, ctl::go_to_zero_button, "goto 0", "move all axies to home");
    button(p, ctl::go_home_button, "Go Home");
    button(p, ctl::zero_all_button, "Zero All Axies", "set all axies to zero value");
    button(p, ctl::counter_reset_button, "Reset");
    button(p, ctl::loop_button, "Loop");
    button(p, ctl::play_speed_button, "Play Back Speed", "set play speed divider eg. 2 is half speed");
    button(p, ctl::show_nums_button, "show nums");
    box(p, ctl::divider_box, "1");
    box(p, ctl::sub_frame_box, "1");
    box(p, ctl::go_to_frame_box, "1");
    box(p, ctl::page_box, "0");
    box(p, ctl::page_display, "1");
    box(p, ctl::positioning_step_box, "");
    box(p, ctl::not_at_start_warning, "Not at Start");
    p.set_visible(ctl::not_at_start_warning, false);
    p.add(ctl::frame_scroll_bar, K::ScrollBar).maximum = 32767;
    label(p, ctl::current_frame_label, "Current Frame");
    box(p, ctl::time_code_box, "00:00:00:00");
    box(p, ctl::time_code_copy, "00:00:00:00");
    button(p, ctl::message_form_button, "Small");
}

void create_single_frame_group(Panel& p) {
    button(p, ctl::single_frame_button, "Single Frame off", "start single frame move");
    label(p, ctl::exposure_label, "Exposure", "exposure time");
    box(p, ctl::exposure_box, "2", "exposure time");
    label(p, ctl::interval_label, "Hr:Mn:Sc", "interval time");
    box(p, ctl::hours_box, "00", "interval time");
    box(p, ctl::minutes_box, "00", "interval time");
    box(p, ctl::seconds_box, "10", "interval time");
    label(p, ctl::frame_lamp, "");
    button(p, ctl::flash_button, "Flash", "enble flash");
    button(p, ctl::light_button, "Light", "enable frame light");
    frame(p, ctl::trigger_group, "Trigger");
    constexpr const char* trigger_captions[] = {"Current", "Trigger", "none", "Audio", "Timecode", "External", "External"};
    for (std::size_t i = 0; i < ctl::trigger_labels.size(); ++i) label(p, ctl::trigger_labels[i], trigger_captions[i]);
    button(p, ctl::tone_trigger_button, "N", "enable trigger on tone input");
    button(p, ctl::time_code_trigger_button, "N", "enable trigger on time code match");
    button(p, ctl::gpi_trigger_button, "N", "enable external gpi input");
    button(p, ctl::clear_triggers_button, "clear all triggers", "clear all triggers");
    button(p, ctl::sound_sync_button, "Sound Sync - Off", "start move on sound input");
}

void create_graph_group(Panel& p) {
    p.add(ctl::move_chart, K::Chart);
    button(p, ctl::redraw_chart_button, "redo Graph");
    button(p, ctl::speed_mode_button, "show speed", "display move a s position or speed");
    label(p, ctl::show_axis_heading, "Show Axis", "show/hide axis");
    for (std::size_t i = 0; i < 8; ++i) button(p, ctl::show_axis_buttons[i], std::to_string(i + 1), "show/hide axis");
    button(p, ctl::bezier_samples_button, ctl::bezier_samples_button.str());
}

void create_file_group(Panel& p) {
    label(p, ctl::file_name_heading, "filename");
    box(p, ctl::file_name_box, "");
    for (ControlName n : {ctl::drive_list, ctl::folder_list, ctl::file_list}) {
        p.add(n, K::List);
        p.set_visible(n, false);
    }
    label(p, ctl::file_mode_label, "");
    button(p, ctl::file_cancel_button, "Cancel", "close the file lists without loading or saving");
    p.set_visible(ctl::file_mode_label, false);
    p.set_visible(ctl::file_cancel_button, false);
    label(p, ctl::comm_number_label, "Enter Comm number");
    box(p, ctl::comm_number_box, "");
    p.set_visible(ctl::comm_number_label, false);
    p.set_visible(ctl::comm_number_box, false);
}

void create_tool_group(Panel& p) {
    button(p, ctl::lookup_bin_button, "array");
    button(p, ctl::lookup_listing_button, "make list");
    // These keep their design captions, which are their names.
    button(p, ctl::idle_developer_button, ctl::idle_developer_button.str());
    for (ControlName n : ctl::developer_labels) label(p, n, n.str());
}

}  // namespace

std::string default_name(int axis) { return default_axis_names[static_cast<std::size_t>(axis)]; }

void create_main_controls(Panel& p) {
    create_menus(p);
    create_axis_rows(p);
    create_keyframe_group(p);
    create_shaping_group(p);
    create_motion_group(p);
    create_single_frame_group(p);
    create_graph_group(p);
    create_file_group(p);
    create_tool_group(p);
}

void create_setup_controls(Panel& p) {
    label(p, ctl::setup_axis_heading, "Axis");
    label(p, ctl::setup_pulses_heading, "pulses/unit", "pulses / unit");
    label(p, ctl::setup_speed_heading, "Max speed, pulses/fr", "max pulses / frame");
    label(p, ctl::setup_acceleration_heading, "Accelleration", "Acc , pulses/frame/frame");
    label(p, ctl::setup_min_heading, "min pos", "min position");
    label(p, ctl::setup_max_heading, "max pos", "max position");
    label(p, ctl::setup_position_heading, "Position", "current position");
    for (std::size_t a = 0; a < 8; ++a) {
        label(p, ctl::setup_row_labels[a], a < 5 ? std::string(fkey_texts[a]) : std::string(1, axis_letters[a]));
        box(p, ctl::setup_name_boxes[a], default_name(static_cast<int>(a)));
        box(p, ctl::setup_pulses_boxes[a]);
        button(p, ctl::setup_unit_buttons[a], "pulses", "the unit positions and speeds are shown in");
        box(p, ctl::setup_speed_boxes[a]);
        box(p, ctl::setup_acceleration_boxes[a]);
        box(p, ctl::setup_min_boxes[a]);
        box(p, ctl::setup_max_boxes[a]);
        box(p, ctl::setup_position_boxes[a]);
        button(p, ctl::setup_reverse_buttons[a], "rev");
        p.set_colour(ctl::setup_reverse_buttons[a], colour::red);
    }
    button(p, ctl::setup_ok_button, "save and exit setup");
    button(p, ctl::setup_exit_button, "exit setup");
    button(p, ctl::setup_show_values_button, "showsetupvals");
    create_pad_setup_controls(p);
}

void create_help_controls(Panel& p) {
    label(p, ctl::help_heading, "Kestrova Instructions");
    multiline(p, ctl::help_text_box);
    button(p, ctl::help_close_button, "Exit");
}

}  // namespace kestrova
