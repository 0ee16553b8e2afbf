#include "axes/axes_commands.h"

#include "axes/messages.h"
#include "axes/setup_dialog.h"
#include "axes/setup_file.h"
#include "app/controls.h"

namespace kestrova {

namespace {

// Toggle buttons show their flag: green when on, red when off.
void show_toggle(Panel& p, const std::string& button, bool on) {
    p.set_colour(button, on ? colour::green : colour::red);
}

}  // namespace

void install_axes_commands(AppState& state) {
    Panel& p = state.panel;
    Panel& f = state.form1;
    AppState* s = &state;

    p.on_press("Setup", [s] { open_setup_dialog(*s); });
    // The engine applies the dialog on its next tick when setupfix reads "1".
    f.on_press("Command5", [s] {
        s->form1.set_visible("Form1", false);
        s->panel.set_text("setupfix", "1");
    });
    f.on_press("Command28", [s] { s->form1.set_visible("Form1", false); });
    f.on_press("Command29", [s] { s->form1.set_text("minAt", "-50000"); });
    for (int a = 0; a < axis_count; ++a) {
        const std::string button = axis_box("rev", a) + "x";
        f.on_press(button, [s, a, button] {
            bool& flag = s->axes.rev[static_cast<std::size_t>(a)];
            flag = !flag;
            show_toggle(s->form1, button, flag);
        });
    }
    for (int a = 0; a < 5; ++a) {
        const std::string button = enable_buttons[a];
        p.on_press(button, [s, a, button] {
            bool& flag = s->axes.ena[static_cast<std::size_t>(a)];
            flag = !flag;
            show_toggle(s->panel, button, flag);
        });
    }
    p.on_press("setupload", [s] {
        const SetupLoad r = load_setup(*s);
        if (r == SetupLoad::missing) s->notices.say(axes_msg::load_missing());
        if (r == SetupLoad::loaded) s->notices.say(axes_msg::loaded());
    });
    p.on_press("setupsave", [s] { save_setup(*s); });
}

}  // namespace kestrova
