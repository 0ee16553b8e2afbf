#include "app/qt/tooltips.h"

#include <QWidget>
#include <utility>

#include "app/app_controls.h"
#include "graph/controls.h"
#include "motion/controls.h"
#include "shaping/controls.h"
#include "tools/controls.h"
#include "axes/controls.h"
#include "pad/controls.h"

namespace kestrova {

namespace {
const std::pair<ControlName, const char*> tips[] = {
    {ctl::run_button, "Play the move on the rig from its first frame (Space)"},
    {ctl::stop_button, "Stop play-back, positioning and jogging at once (Esc)"},
    {ctl::loop_button, "Loop on or off: when the move ends, return to its start and play it again"},
    {ctl::go_to_sub_frame_button, "Move to the frame in the box at its left"},
    {ctl::go_to_page_button, "Move to the page in the box at its left (16 frames a page)"},
    {ctl::go_home_button, "Has no action"},
    {ctl::counter_reset_button, "Reset the controller's counters with the next message"},
    {ctl::show_nums_button, "Disable the F keys"},
    {ctl::message_form_button, "Short (Small) or long (Large) controller message"},
    {ctl::disable_fkeys_button, "Stop the F keys from moving the axes"},
    {ctl::bezier_button, "Bezier curves through the keyframes"},
    {ctl::smooth_button, "Window smoothing: a moving average of the whole move, Width frames wide, Passes times"},
    {ctl::corrected_smooth_button, "Keyframe-corrected smoothing: smooth, then pull the move back to its keyframes"},
    {ctl::clear_corrections_button, "Forget the keyframe corrections of the corrected smoothing"},
    {ctl::redraw_chart_button, "Redraw the move chart"},
    {ctl::bezier_samples_button, "Developer view of the Bezier samples of axis A"},
    {ctl::lookup_bin_button, "Write the lookup table as lookup.bin"},
    {ctl::lookup_listing_button, "Write the lookup table as the listing lookup.txt"},
    {ctl::idle_developer_button, "Has no effect"},
    {ctl::setup_show_values_button, "Show the setup dialog's values"},
    {ctl::setup_ok_button, "Check every box, apply the settings with the next message and close"},
    {ctl::setup_exit_button, "Close without applying what was typed"},
    {ctl::help_close_button, "Close the help"},
    {ctl::pad_dead_man_button, "Jog with the gamepad only while its dead-man button is held"},
};
}  // namespace

void add_tooltips(QWidget& root) {
    for (ControlName reverse : ctl::setup_reverse_buttons)
        for (QWidget* w : root.findChildren<QWidget*>(QString::fromStdString(reverse.str())))
            if (w->toolTip().isEmpty()) w->setToolTip("Reverse the axis's direction");
    for (const auto& [name, tip] : tips)
        for (QWidget* w : root.findChildren<QWidget*>(QString::fromStdString(name.str())))
            if (w->toolTip().isEmpty()) w->setToolTip(QString::fromUtf8(tip));
}

}  // namespace kestrova
