#include "motion/jog_keys.h"
#include "motion/messages.h"
#include "rig.h"

using namespace kestrova;
using test_support::Rig;

namespace {
constexpr int F1 = 112, F2 = 113, F5 = 116, F10 = 121;
}

TEST(EnableFKeys, StartsTheJogSpeedsAtOneAndReadsTheTopSpeeds) {
    Rig r;
    r.e().jog.fill(0);
    r.p().set_text("SpeedA", "35");
    r.p().set_text("SpeedE", "12.5 fast");
    r.app.press("enFkeys");
    EXPECT_EQ(r.text("enable"), "F keys enabled");
    EXPECT_EQ(r.colour("enable"), colour::green);
    for (int a = 0; a < move_axes; ++a) EXPECT_EQ(r.e().jog[a], 1);
    EXPECT_EQ(r.s().axes.FSpeed[0], 35);
    EXPECT_EQ(r.s().axes.FSpeed[4], 12.5);

    r.app.press("disFkeys");
    EXPECT_EQ(r.text("enable"), "F keys disabled");
    EXPECT_EQ(r.colour("enable"), colour::red);
}

TEST(FKeys, SetTheFlagsInKeyToAxisOrderAndOnlyF10IsConsumed) {
    Rig r;
    EXPECT_FALSE(r.app.key_down("enable", F1));
    EXPECT_FALSE(r.app.key_down("enable", F5));
    EXPECT_TRUE(r.app.key_down("enable", F10));
    EXPECT_TRUE(r.app.key_down("enable", F10, true));  // a repeat is consumed as well
    EXPECT_FALSE(r.app.key_down("enable", 65));         // other keys are not ours
    const auto& down = r.e().fkeydown;
    EXPECT_TRUE(down[0] && down[4] && down[9]);
    EXPECT_EQ(std::count(down.begin(), down.end(), true), 3);
    EXPECT_TRUE(r.e().anyfkey);

    r.app.key_up("enable", F5);
    EXPECT_FALSE(r.e().fkeydown[4]);
    EXPECT_TRUE(r.e().fkeyup[4]);  // axis C coasts down
}

TEST(FKeys, IgnoreAutoRepeatPairsOfAHeldKey) {
    Rig r;
    r.app.key_down("enable", F2);
    for (int i = 0; i < 3; ++i) {
        r.app.key_up("enable", F2, true);
        r.app.key_down("enable", F2, true);
        EXPECT_TRUE(r.e().fkeydown[1]);
        EXPECT_FALSE(r.e().fkeyup[1]);
    }
    r.app.key_up("enable", F2);
    EXPECT_FALSE(r.e().fkeydown[1]);
    EXPECT_TRUE(r.e().fkeyup[1]);
}

TEST(FKeys, PressedAgainWhileCoastingDriveTheAxisAlone) {
    Rig r;
    r.app.key_down("enable", F1);
    r.app.key_up("enable", F1);
    r.app.key_down("enable", F1);
    EXPECT_TRUE(r.e().fkeydown[0]);
    EXPECT_FALSE(r.e().fkeyup[0]);
}

TEST(FKeys, AReleaseWithoutItsPressSetsNothingCoasting) {
    Rig r;
    r.e().jog[0] = 50;  // left over from a positioning ramp
    r.app.key_up("enable", F1);
    EXPECT_FALSE(r.e().fkeyup[0]);
}

TEST(FKeys, LosingTheFocusReleasesEveryHeldKey) {
    Rig r;
    r.app.key_down("enable", F2);
    r.app.key_down("enable", F10);
    r.app.key_down("enable", F5);
    r.app.key_up("enable", F5);
    r.app.focus_lost("enable");
    for (int n = 0; n < fkey_count; ++n) EXPECT_FALSE(r.e().fkeydown[n]) << n;
    EXPECT_TRUE(r.e().fkeyup[1]);
    EXPECT_TRUE(r.e().fkeyup[9]);
    EXPECT_TRUE(r.e().fkeyup[4]);
    EXPECT_FALSE(r.e().fkeyup[0]);  // a key never held does not coast
}

TEST(PositionBoxes, KeepValuesWithinTheLimitsOnly) {
    Rig r;
    r.p().set_text("posA", "60000");
    EXPECT_EQ(r.text("posA"), "0");
    EXPECT_EQ(r.status(), motion_msg::position_outside_limits('A'));
    for (const char* ok : {"50000", "-50000", "50000.5"}) {
        r.p().set_text("posA", ok);
        EXPECT_EQ(r.text("posA"), ok);
    }
    r.p().set_text("posA", "-50001");
    EXPECT_EQ(r.text("posA"), "0");
    r.p().set_text("posF", "99999999");  // axes F..H have no rule
    EXPECT_EQ(r.text("posF"), "99999999");
}

TEST(PositionBoxes, CompareUnitsWithTheLimitsInPulses) {
    Rig r;
    r.s().axes.pp_rev[1] = 2;
    r.p().set_text("posB", "25000");
    EXPECT_EQ(r.text("posB"), "25000");
    r.p().set_text("posB", "30000");
    EXPECT_EQ(r.text("posB"), "0");
}
