#include <gtest/gtest.h>

#include <vector>

#include "base/panel.h"

using namespace kestrova;

namespace {
constexpr ControlName box{"box"}, restless{"restless"}, button{"b"}, nothing{"nothing"};
}  // namespace

TEST(Panel, ChangeRulesRunOnEveryChangeAndAreBoundedDisabledButtonsDoNothingAndTheListenerHearsChanges) {
    Panel p;
    p.add(box, ControlKind::Box, "1");
    std::vector<std::string> seen;
    p.on_change(box, [&](const std::string& t) {
        seen.push_back(t);
        if (t == "0") p.set_text(box, "1");  // a rule that resets its box
    });
    p.set_text(box, "2");
    p.set_text(box, "2");
    p.set_text(box, "0");
    EXPECT_EQ(p.text(box), "1");
    EXPECT_EQ(seen, (std::vector<std::string>{"2", "0", "1"}));

    p.add(restless, ControlKind::Box);
    int n = 0;
    p.on_change(restless, [&](const std::string&) { p.set_text(restless, std::to_string(++n)); });
    p.set_text(restless, "start");
    EXPECT_LE(n, 20);

    // Disabled buttons and unknown names do nothing; the listener hears changes, not repeats.
    p.add(button, ControlKind::Button, "Go");
    int presses = 0;
    p.on_press(button, [&] { ++presses; });
    p.press(button);
    p.set_enabled(button, false);
    p.press(button);
    p.press(nothing);
    EXPECT_EQ(presses, 1);

    std::vector<std::string> heard;
    p.set_listener([&](const std::string& n) { heard.push_back(n); });
    p.set_colour(button, colour::green);
    p.set_colour(button, colour::green);
    p.set_caption(button, "Stop");
    p.set_visible(button, false);
    EXPECT_EQ(heard.size(), 3u);
}
