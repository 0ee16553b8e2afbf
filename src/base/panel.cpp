#include "base/panel.h"

#include <stdexcept>
#include <utility>

namespace kestrova {

namespace {
// A rule that sets its own box again re-runs; this bounds a rule that never
// settles so it cannot recurse without end.
constexpr int max_rule_depth = 16;
}  // namespace

Control& Panel::add(const std::string& name, ControlKind kind, std::string text, std::string tooltip) {
    Control& c = controls_[name];
    c.kind = kind;
    c.text = std::move(text);
    c.tooltip = std::move(tooltip);
    return c;
}

const Control& Panel::at(const std::string& name) const {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("no control named " + name);
    return it->second;
}

Control& Panel::mut(const std::string& name) {
    auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("no control named " + name);
    return it->second;
}

std::vector<std::string> Panel::names() const {
    std::vector<std::string> out;
    out.reserve(controls_.size());
    for (const auto& [name, c] : controls_) out.push_back(name);
    return out;
}

const std::string& Panel::text(const std::string& name) const { return at(name).text; }

void Panel::show(ControlName n, std::string t) {
    const std::string name = n.str();
    Control& c = mut(name);
    if (c.text == t) return;
    c.text = std::move(t);
    read(name, c.text);  // a shown text is the box's value too
    notify(name);
}

void Panel::keep_value(ControlName n, Reading reading) {
    const std::string name = n.str();
    reading(at(name).text);
    readings_[name] = std::move(reading);
}

void Panel::read(const std::string& name, const std::string& text) {
    if (auto r = readings_.find(name); r != readings_.end()) r->second(text);
}

void Panel::announce(ControlName n) {
    const std::string name = n.str();
    notify(name);
    run_rule(name);
}

void Panel::set_text(const std::string& name, std::string text) {
    Control& c = mut(name);
    if (c.text == text) return;
    std::string before = std::exchange(c.text, std::move(text));
    read(name, c.text);
    notify(name);
    // A rule that sets another box nests; each sees its own box's old text.
    struct Keep {
        std::string& slot;
        std::string saved;
        ~Keep() { slot.swap(saved); }
    } keep{before_change_, std::move(before)};
    before_change_.swap(keep.saved);
    run_rule(name);
}

void Panel::run_rule(const std::string& name) {
    const Control& c = at(name);
    auto rule = rules_.find(name);
    if (rule == rules_.end() || rule_depth_ >= max_rule_depth) return;
    ++rule_depth_;
    const std::string now = c.text;
    try {
        rule->second(now);
    } catch (...) {
        --rule_depth_;
        throw;
    }
    --rule_depth_;
}

void Panel::set_colour(const std::string& name, std::uint32_t col) {
    Control& c = mut(name);
    if (c.colour == col) return;
    c.colour = col;
    notify(name);
}

void Panel::set_visible(const std::string& name, bool v) {
    Control& c = mut(name);
    if (c.visible == v) return;
    c.visible = v;
    notify(name);
}

void Panel::set_enabled(const std::string& name, bool e) {
    Control& c = mut(name);
    if (c.enabled == e) return;
    c.enabled = e;
    notify(name);
}

void Panel::set_value(const std::string& name, int v) {
    Control& c = mut(name);
    if (v < 0) v = 0;
    if (v > c.maximum) v = c.maximum;
    if (c.value == v) return;
    c.value = v;
    notify(name);
}

void Panel::set_maximum(const std::string& name, int m) {
    Control& c = mut(name);
    c.maximum = m;
    if (c.value > m) c.value = m;
    notify(name);
}

void Panel::on_change(const std::string& name, Rule rule) {
    mut(name);  // the control must exist
    rules_[name] = std::move(rule);
}

void Panel::on_press(const std::string& name, Action action) {
    mut(name);
    actions_[name] = std::move(action);
}

bool Panel::has_action(const std::string& name) const { return actions_.find(name) != actions_.end(); }

void Panel::press(const std::string& name) {
    auto c = controls_.find(name);
    if (c == controls_.end() || !c->second.enabled) return;
    auto a = actions_.find(name);
    if (a == actions_.end()) return;
    if (around_) {
        around_(name, a->second);
    } else {
        a->second();
    }
}

void Panel::on_key_down(const std::string& name, KeyHandler h) {
    mut(name);
    key_down_[name] = std::move(h);
}

void Panel::on_key_up(const std::string& name, KeyHandler h) {
    mut(name);
    key_up_[name] = std::move(h);
}

void Panel::on_focus_lost(const std::string& name, Action a) {
    mut(name);
    focus_lost_[name] = std::move(a);
}

bool Panel::key_down(const std::string& name, int code, bool auto_repeat) {
    auto h = key_down_.find(name);
    if (h == key_down_.end()) return false;
    constexpr int enter = 13;
    if (code != enter || !around_) return h->second(code, auto_repeat);
    bool consumed = false;
    around_(name, [&] { consumed = h->second(code, auto_repeat); });
    return consumed;
}

bool Panel::key_up(const std::string& name, int code, bool auto_repeat) {
    auto h = key_up_.find(name);
    return h != key_up_.end() && h->second(code, auto_repeat);
}

void Panel::focus_lost(const std::string& name) {
    auto a = focus_lost_.find(name);
    if (a != focus_lost_.end()) a->second();
}

void Panel::request_focus(const std::string& name) {
    mut(name);
    if (focus_listener_) focus_listener_(name);
}

void Panel::notify(const std::string& name) {
    if (listener_) listener_(name);
}

}  // namespace kestrova
