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

namespace kestrova {

// Colours as RGB numbers (red in the low byte) and the two system colours.
namespace colour {
inline constexpr std::uint32_t red = 255;
inline constexpr std::uint32_t green = 65280;
inline constexpr std::uint32_t yellow = 65535;
inline constexpr std::uint32_t light_red = 8421631;
inline constexpr std::uint32_t white = 0xFFFFFF;
inline constexpr std::uint32_t inactive_border = 0x8000000B;  // indicator at rest
inline constexpr std::uint32_t highlight = 0x8000000D;        // indicator lit
inline constexpr std::uint32_t none = 0xFFFFFFFF;             // the widget's own colour
}  // namespace colour

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

    // Creating controls (start-up only).
    Control& add(const std::string& name, ControlKind kind, std::string text = {},
                 std::string tooltip = {});

    bool has(const std::string& name) const;
    const Control& at(const std::string& name) const;
    std::vector<std::string> names() const;

    // Reading and writing. Setting a box's text runs its change rule when the
    // text differs from what the box holds.
    const std::string& text(const std::string& name) const;
    void set_text(const std::string& name, std::string text);
    void set_caption(const std::string& name, std::string caption) { set_text(name, std::move(caption)); }
    void set_colour(const std::string& name, std::uint32_t c);
    void set_visible(const std::string& name, bool v);
    void set_enabled(const std::string& name, bool e);
    void set_value(const std::string& name, int v);
    void set_maximum(const std::string& name, int m);

    // Behaviour: a change rule for a box, an action for a button press.
    void on_change(const std::string& name, Rule rule);
    void on_press(const std::string& name, Action action);
    // Press a button as the operator would. Unknown or disabled controls do nothing.
    void press(const std::string& name);
    bool has_action(const std::string& name) const;

    // Keys typed into a box, and the box losing the keyboard focus.
    void on_key_down(const std::string& name, KeyHandler h);
    void on_key_up(const std::string& name, KeyHandler h);
    void on_focus_lost(const std::string& name, Action a);
    bool key_down(const std::string& name, int code, bool auto_repeat = false);
    bool key_up(const std::string& name, int code, bool auto_repeat = false);
    void focus_lost(const std::string& name);

    // The window listens for every change to mirror it.
    void set_listener(Listener l) { listener_ = std::move(l); }

    // Ask the window to give a control the keyboard focus.
    void request_focus(const std::string& name);
    void set_focus_listener(Listener l) { focus_listener_ = std::move(l); }
    const std::string& last_focus_request() const { return focus_request_; }

private:
    Control& mut(const std::string& name);
    void notify(const std::string& name);

    std::map<std::string, Control, std::less<>> controls_;
    std::map<std::string, Rule, std::less<>> rules_;
    std::map<std::string, Action, std::less<>> actions_;
    std::map<std::string, KeyHandler, std::less<>> key_down_;
    std::map<std::string, KeyHandler, std::less<>> key_up_;
    std::map<std::string, Action, std::less<>> focus_lost_;
    Listener listener_;
    Listener focus_listener_;
    std::string focus_request_;
    int rule_depth_ = 0;
};

}  // namespace kestrova
