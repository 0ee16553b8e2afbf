// The state of every box, button and label of the main window, as plain data.
// A box's change rule runs on every change of its text, whether typed by the
// operator or set by the program; the window only mirrors this state.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/colours.h"
#include "base/control_name.h"

namespace kestrova {


enum class ControlKind { Box, Button, Label, Frame, ScrollBar, List, Menu, Chart };

struct Control {
    ControlKind kind = ControlKind::Box;
    std::string text;      // a box's text, or a button's / label's caption
    std::string tooltip;
    std::uint32_t colour = colour::none;
    bool visible = true;
    bool enabled = true;
    bool multiline = false;
    int value = 0;         // scroll bar position
    int maximum = 0;       // scroll bar maximum
};

class Panel {
public:
    using Rule = std::function<void(const std::string& new_text)>;
    using Action = std::function<void()>;
    using Listener = std::function<void(const std::string& name)>;
    // A key handler gets the key code and whether it is an auto-repeat; it
    // returns true when it consumed the key.
    using KeyHandler = std::function<bool(int code, bool auto_repeat)>;

    // Controls are named by their declarations (each subsystem's controls.h).
    // Creating controls (start-up only).
    Control& add(ControlName n, ControlKind kind, std::string text = {}, std::string tooltip = {}) {
        return add(n.str(), kind, std::move(text), std::move(tooltip));
    }
    std::vector<std::string> names() const;

    // Reading and writing. Setting a box's text runs its change rule when the
    // text differs from what the box holds.
    bool has(ControlName n) const { return controls_.find(n.view()) != controls_.end(); }
    const Control& at(ControlName n) const { return at(n.str()); }
    const std::string& text(ControlName n) const { return at(n).text; }
    void set_text(ControlName n, std::string t) { set_text(n.str(), std::move(t)); }
    void set_caption(ControlName n, std::string c) { set_text(n.str(), std::move(c)); }
    void set_colour(ControlName n, std::uint32_t c) { set_colour(n.str(), c); }
    void set_visible(ControlName n, bool v) { set_visible(n.str(), v); }
    void set_enabled(ControlName n, bool e) { set_enabled(n.str(), e); }
    void set_value(ControlName n, int v) { set_value(n.str(), v); }
    void set_maximum(ControlName n, int m) { set_maximum(n.str(), m); }
    void on_change(ControlName n, Rule rule) { on_change(n.str(), std::move(rule)); }
    void on_press(ControlName n, Action action) { on_press(n.str(), std::move(action)); }
    void press(ControlName n) { press(n.str()); }
    bool has_action(ControlName n) const { return has_action(n.str()); }
    void on_key_down(ControlName n, KeyHandler h) { on_key_down(n.str(), std::move(h)); }
    void on_key_up(ControlName n, KeyHandler h) { on_key_up(n.str(), std::move(h)); }
    void on_focus_lost(ControlName n, Action a) { on_focus_lost(n.str(), std::move(a)); }
    bool key_down(ControlName n, int code, bool auto_repeat = false) { return key_down(n.str(), code, auto_repeat); }
    bool key_up(ControlName n, int code, bool auto_repeat = false) { return key_up(n.str(), code, auto_repeat); }
    void focus_lost(ControlName n) { focus_lost(n.str()); }

    // A box's reading parses its text into its subsystem's typed field: once
    // when bound and again on every change of the text, typed, set or shown,
    // before the change rule runs. Nothing else reads the box's text.
    using Reading = std::function<void(const std::string& text)>;
    void keep_value(ControlName n, Reading reading);

    // While a change rule runs: the text its box held before this change.
    const std::string& text_before_change() const { return before_change_; }

    // Show a text the program computed (a position, a time code) without
    // running the box's change rule: the rule is for what the operator types.
    void show(ControlName n, std::string t);
    // Tell the window and the box's rule about its present text again, as if
    // it had just been typed, without blanking it first.
    void announce(ControlName n);

    // Wrap every operator command (a press, Enter in a box) so the program
    // can look at the state before and after it (undo keeps its steps so).
    using Around = std::function<void(std::string_view control, const Action& command)>;
    void set_around(Around a) { around_ = std::move(a); }

    // The window listens for every change to mirror it.
    void set_listener(Listener l) { listener_ = std::move(l); }

    // Ask the window to give a control the keyboard focus.
    void request_focus(ControlName n) { request_focus(n.str()); }
    void set_focus_listener(Listener l) { focus_listener_ = std::move(l); }

private:
    // The same by the name the control is stored under.
    Control& add(const std::string& name, ControlKind kind, std::string text = {},
                 std::string tooltip = {});
    const Control& at(const std::string& name) const;
    const std::string& text(const std::string& name) const;
    void set_text(const std::string& name, std::string text);
    void set_colour(const std::string& name, std::uint32_t c);
    void set_visible(const std::string& name, bool v);
    void set_enabled(const std::string& name, bool e);
    void set_value(const std::string& name, int v);
    void set_maximum(const std::string& name, int m);
    void on_change(const std::string& name, Rule rule);
    void on_press(const std::string& name, Action action);
    void press(const std::string& name);
    bool has_action(const std::string& name) const;
    void on_key_down(const std::string& name, KeyHandler h);
    void on_key_up(const std::string& name, KeyHandler h);
    void on_focus_lost(const std::string& name, Action a);
    bool key_down(const std::string& name, int code, bool auto_repeat = false);
    bool key_up(const std::string& name, int code, bool auto_repeat = false);
    void focus_lost(const std::string& name);
    void request_focus(const std::string& name);
    Control& mut(const std::string& name);
    void notify(const std::string& name);
    void run_rule(const std::string& name);
    void read(const std::string& name, const std::string& text);  // the control's own text, found once

    std::map<std::string, Control, std::less<>> controls_;
    std::map<std::string, Rule, std::less<>> rules_;
    std::map<std::string, Reading, std::less<>> readings_;
    std::map<std::string, Action, std::less<>> actions_;
    std::map<std::string, KeyHandler, std::less<>> key_down_;
    std::map<std::string, KeyHandler, std::less<>> key_up_;
    std::map<std::string, Action, std::less<>> focus_lost_;
    Listener listener_;
    Around around_;
    Listener focus_listener_;
    std::string before_change_;
    int rule_depth_ = 0;
};

}  // namespace kestrova
