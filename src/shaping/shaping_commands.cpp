#include "shaping/shaping_commands.h"

#include <memory>
#include <string>

#include "base/numeric.h"
#include "shaping/bezier_path.h"
#include "shaping/controls.h"
#include "shaping/smoothing.h"

namespace kestrova {

void install_shaping_commands(const ShapingContext& context) {
    Panel& p = context.panel;
    // The handlers share one context; it holds only references and hooks.
    auto ctx = std::make_shared<ShapingContext>(context);
    p.on_press(ctl::bezier_button, [ctx] { ctx->notices.report(make_bezier(*ctx)); });
    p.on_press(ctl::bezier_smooth_button, [ctx] { ctx->notices.report(make_bezier_flat_extremes(*ctx)); });
    p.on_press(ctl::smooth_button, [ctx] { ctx->notices.report(smooth_all(*ctx)); });
    p.on_press(ctl::corrected_smooth_button, [ctx] { ctx->notices.report(corrected_smoothing(*ctx)); });
    p.on_press(ctl::clear_corrections_button, [ctx] { clear_corrections(ctx->move); });
    ShapingState& s = context.shaping;
    p.keep_value(ctl::handle_share_box, [&s](const std::string& text) { s.handle_share = num::val(text); });
    p.keep_value(ctl::smoothing_width_box, [&s](const std::string& text) { s.width_entry = num::whole_number(text); });
    p.keep_value(ctl::smoothing_passes_box, [&s](const std::string& text) { s.passes_entry = num::whole_number(text); });
    // The handle share must lie in 0 < p < 101.
    p.on_change(ctl::handle_share_box, [&p, &s](const std::string&) {
        const double v = s.handle_share;
        if (!(v > 0 && v < 101)) p.set_text(ctl::handle_share_box, "20");
    });
}

}  // namespace kestrova
