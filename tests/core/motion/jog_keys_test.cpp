#include <gtest/gtest.h>

#include <algorithm>

#include "axes/controls.h"
#include "engine/controls.h"
#include "motion/controls.h"
#include "motion/messages.h"
#include "move/messages.h"
#include "started_app.h"

using namespace kestrova;
using Rig = test_support::StartedApp;

namespace {
constexpr int F1 = 112, F2 = 113, F5 = 116, F10 = 121;
int held(const JogState& j) { return static_cast<int>(std::count(j.fkeydown.begin(), j.fkeydown.end(), true)); }
}  // namespace

TEST(FKeys, SetTheFlagsInKeyToAxisOrderIgnoreAutoRepeatPairsLosingTheFocusReleasesThemAndEnablingNamesAxesWithoutSpeed) {
    Rig r;
    r.app.press(ctl::enable_fkeys_button);
    const JogState& j = r.engine().jog;
    EXPECT_EQ(j.speed[0], 1);
    EXPECT_FALSE(r.app.key_down(ctl::fkey_status_box, F1));  // only F10 is consumed
    EXPECT_TRUE(r.app.key_down(ctl::fkey_status_box, F10));
    EXPECT_TRUE(r.app.key_down(ctl::fkey_status_box, F10, true));
    EXPECT_FALSE(r.app.key_down(ctl::fkey_status_box, 65));
    EXPECT_TRUE(j.fkeydown[0] && j.fkeydown[9]);
    EXPECT_EQ(held(j), 2);

    r.app.key_down(ctl::fkey_status_box, F2);
    r.app.key_up(ctl::fkey_status_box, F2, true);
    r.app.key_down(ctl::fkey_status_box, F2, true);
    EXPECT_TRUE(j.fkeydown[1]);
    EXPECT_FALSE(j.fkeyup[1]);
    r.app.key_up(ctl::fkey_status_box, F2);
    EXPECT_FALSE(j.fkeydown[1]);
    EXPECT_TRUE(j.fkeyup[1]);

    r.app.key_down(ctl::fkey_status_box, F2);
    r.app.focus_lost(ctl::fkey_status_box);
    EXPECT_EQ(held(j), 0);
    EXPECT_TRUE(j.fkeyup[0] && j.fkeyup[1] && j.fkeyup[9]);
    EXPECT_FALSE(j.fkeyup[F5 - F1]);  // a key never held does not coast

    // Enabling them while an axis has no F speed says which, enabled toggle or not.
    r.axes().ena = {true, true, true, false, false};
    for (std::size_t a = 0; a < 4; ++a) r.panel().set_text(ctl::fspeed_boxes[a], a == 0 ? "20" : a == 2 ? "0" : "");
    r.panel().press(ctl::enable_fkeys_button);
    EXPECT_EQ(r.status(), motion_msg::fkeys_without_speed("BCD"));
    EXPECT_EQ(r.text(ctl::fkey_status_box), move_msg::fkeys_enabled);  // the keys are enabled all the same
    for (std::size_t a : {1u, 2u, 3u}) r.panel().set_text(ctl::fspeed_boxes[a], "5");
    r.notices().status.clear(), r.panel().press(ctl::enable_fkeys_button);
    EXPECT_EQ(r.status(), "");
}
