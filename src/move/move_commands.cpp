#include "move/move_commands.h"

#include <memory>
#include <optional>
#include <string>

#include "base/frame_time.h"
#include "base/numeric.h"
#include "move/controls.h"
#include "move/fkey_status.h"
#include "move/keyframe_editing.h"
#include "move/linear_move.h"
#include "move/move_length.h"

namespace kestrova {

void install_move_commands(const MoveContext& context, MoveEntries& entries) {
    Panel& p = context.panel;
    // Beside each frame box its time, blank while the box holds no number.
    auto seconds = [&p](ControlName label, const std::optional<double>& frames) {
        p.show(label, frames ? frames_in_seconds(*frames) : std::string());
    };
    p.keep_value(ctl::keyframe_frame_box, [&entries, seconds](const std::string& text) {
        entries.position = num::whole_number(text);
        entries.position_prefix = num::val(text);
        seconds(ctl::keyframe_frame_seconds, entries.position);
    });
    p.keep_value(ctl::total_frames_box, [&entries, seconds](const std::string& text) {
        entries.length = num::whole_number(text);
        seconds(ctl::total_frames_seconds, entries.length);
    });
    // The handlers share one context; it holds only references and hooks.
    auto ctx = std::make_shared<MoveContext>(context);
    p.on_press(ctl::add_keyframe_button, [ctx] { ctx->notices.report(add_keyframe(*ctx)); });
    p.on_press(ctl::delete_keyframe_button, [ctx] { ctx->notices.report(delete_keyframe(*ctx)); });
    p.on_press(ctl::clear_move_button, [ctx] { clear_move(*ctx); });
    p.on_press(ctl::recalc_button, [ctx] { recalculate_linear(*ctx); });
    p.on_press(ctl::set_total_frames_button, [ctx] { ctx->notices.report(set_total_frames(*ctx)); });
    p.on_key_down(ctl::total_frames_box, [ctx](int code, bool) {
        if (code != 13) return false;
        ctx->notices.report(apply_total_frames(*ctx));
        return true;
    });
    // Typing a length switches the F-key jogging off.
    p.on_change(ctl::total_frames_box, [&p](const std::string&) { disable_fkeys(p); });
}

}  // namespace kestrova
