#include <vector>

#include "link/single_frame_timing.h"
#include "motion/messages.h"
#include "motion/single_frame.h"
#include "rig.h"

using namespace kestrova;
using test_support::Rig;

namespace {

// One 40 ms tick as the clock and the engine run it.
void tick(AppState& s) {
    single_frame_timer_tick(s);
    if (s.engine.sfrun) single_frame_engine_step(s);
}

struct Trace {
    std::vector<int> lamp_on;   // ticks at which the lamp lit
    std::vector<int> lamp_off;  // ticks at which it went dark
    std::vector<int> steps;     // ticks at which the rig stepped a frame
};

Trace run_ticks(Rig& r, int ticks) {
    Trace t;
    for (int i = 1; i <= ticks; ++i) {
        const bool lit = lamp_lit(r.s());
        const std::string frame = r.text("gotoFN");
        tick(r.s());
        if (!lit && lamp_lit(r.s())) t.lamp_on.push_back(i);
        if (lit && !lamp_lit(r.s())) t.lamp_off.push_back(i);
        if (r.text("gotoFN") != frame) t.steps.push_back(i);
    }
    return t;
}

}  // namespace

TEST(SingleFrame, WithoutAnIntervalStaysOff) {
    Rig r;
    r.e().sfrun = true;
    for (const char* box : {"hrset", "minset", "secset"}) r.app.type(box, "0");
    r.app.press("setsingle");
    EXPECT_FALSE(r.e().sfrun);
    EXPECT_EQ(r.text("setsingle"), "S.F. off");
    EXPECT_EQ(r.colour("setsingle"), colour::red);
    EXPECT_EQ(r.status(), motion_msg::no_interval);
}

TEST(SingleFrame, ToggleStartsAtThePositionBoxFrameAndStops) {
    Rig r;
    r.app.type("Text1", "40");
    r.e().tcsecs = 7;
    r.e().exposureticks = 9;
    r.app.press("setsingle");
    EXPECT_TRUE(r.e().sfrun);
    EXPECT_EQ(r.e().gototarget, 40);
    EXPECT_EQ(r.text("gotoFN"), "40");
    EXPECT_EQ(r.e().tcsecs, 0);
    EXPECT_EQ(r.e().exposureticks, 9);  // carries into the new run
    EXPECT_EQ(r.text("setsingle"), "S.F. on");
    EXPECT_EQ(r.colour("setsingle"), colour::green);
    EXPECT_TRUE(lamp_lit(r.s()));

    r.app.press("setsingle");
    EXPECT_FALSE(r.e().sfrun);
    EXPECT_EQ(r.text("setsingle"), "S.F. off");
    EXPECT_FALSE(lamp_lit(r.s()));
}

TEST(SingleFrame, DesignIntervalLightsTheLampEveryTenRealSecondsAndStepsAfterTheExposure) {
    Rig r;
    ASSERT_EQ(r.text("secset"), "10");
    ASSERT_EQ(r.text("exposure"), "2");
    r.app.press("setsingle");
    const Trace t = run_ticks(r, 1000);  // 40 s
    // The lamp lit at the start goes dark with the first step two ticks in; then
    // every 250 ticks (10 s) it lights and goes dark two engine steps later.
    EXPECT_EQ(t.lamp_on, (std::vector<int>{250, 500, 750, 1000}));
    EXPECT_EQ(t.lamp_off, (std::vector<int>{2, 252, 502, 752}));
    EXPECT_EQ(t.steps, (std::vector<int>{2, 252, 502, 752}));
    EXPECT_EQ(r.text("gotoFN"), "5");
    EXPECT_TRUE(r.e().gotoactive);
}

TEST(SingleFrame, UnusableExposureNeverStepsAndKeepsTheLampDark) {
    for (const char* bad : {"0", "30000", "abc"}) {
        Rig r;
        r.app.type("exposure", bad);
        EXPECT_EQ(r.status(), motion_msg::bad_exposure);
        r.app.press("setsingle");
        const Trace t = run_ticks(r, 600);
        EXPECT_TRUE(t.steps.empty()) << bad;
        EXPECT_FALSE(lamp_lit(r.s()));
    }
}

TEST(SingleFrame, EndsAtTheLastFrameAndStopsCounting) {
    Rig r;
    r.app.type("Text1", "1499");
    r.app.press("setsingle");
    run_ticks(r, 2);  // the first step reaches frame 1500
    EXPECT_FALSE(r.e().sfrun);
    EXPECT_EQ(r.text("setsingle"), "S.F. off");
    EXPECT_EQ(r.colour("setsingle"), colour::red);
    EXPECT_EQ(r.status(), motion_msg::single_frame_done);
    const int frames = r.e().tcframes;
    tick(r.s());
    EXPECT_EQ(r.e().tcframes, frames);
}

TEST(SingleFrame, EndsAfter99Hours) {
    Rig r;
    r.app.type("hrset", "98");
    r.app.press("setsingle");
    r.e().tchours = 98;
    r.e().tcmins = 59;
    r.e().tcsecs = 59;
    r.e().tcframes = 23;
    tick(r.s());
    EXPECT_TRUE(r.e().sfrun);
    tick(r.s());
    EXPECT_FALSE(r.e().sfrun);
    EXPECT_EQ(r.text("setsingle"), "S.F. off");
    EXPECT_EQ(r.status(), motion_msg::single_frame_timeout);
}

TEST(SingleFrame, RefusesAStartFrameOutsideTheMove) {
    Rig r;
    r.s().move.totalframes = 100;
    r.app.type("Text1", "101");
    r.app.press("setsingle");
    EXPECT_FALSE(r.e().sfrun);
    EXPECT_EQ(r.status(), motion_msg::no_start_frame);
}

TEST(IntervalBoxes, KeepWholeCountsWithinTheirRange) {
    Rig r;
    struct Case { const char* box; const char* typed; const char* shown; };
    for (Case c : {Case{"secset", "60", "0"}, Case{"secset", "59", "59"}, Case{"minset", "60", "0"},
                   Case{"hrset", "99", "99"}, Case{"hrset", "100", "0"}, Case{"secset", "-1", "0"},
                   Case{"secset", "5.5", "0"}, Case{"secset", "", "10"}, Case{"hrset", "x", "00"}}) {
        r.app.type(c.box, "7");
        r.app.type(c.box, c.typed);
        EXPECT_EQ(r.text(c.box), c.shown) << c.box << " " << c.typed;
    }
    EXPECT_EQ(r.status(), motion_msg::not_a_number(motion_msg::hours_box, "00"));
}

TEST(Triggers, OneAtATimeAndClearingResetsFlagsAndButtons) {
    Rig r;
    r.app.press("Command24");
    EXPECT_TRUE(r.e().trigtone);
    EXPECT_EQ(r.text("Command24"), "Y");
    EXPECT_EQ(r.colour("Command24"), colour::green);
    r.app.press("Command25");
    EXPECT_TRUE(r.e().trigtc);
    EXPECT_FALSE(r.e().trigtone);
    EXPECT_EQ(r.text("Command24"), "N");
    EXPECT_EQ(r.colour("Command24"), colour::red);

    r.app.press("Command27");
    EXPECT_FALSE(r.e().trigtc || r.e().trigtone || r.e().triggpi);
    for (const char* b : {"Command24", "Command25", "Command26"}) {
        EXPECT_EQ(r.text(b), "N");
        EXPECT_EQ(r.colour(b), colour::red);
    }
    r.app.press("Command25");  // the first press after clearing switches it on
    EXPECT_TRUE(r.e().trigtc);
    EXPECT_EQ(r.text("Command25"), "Y");
    r.app.press("Command25");
    EXPECT_FALSE(r.e().trigtc);
    EXPECT_EQ(r.text("Command25"), "N");
}

TEST(SoundSync, TogglesWithCaptionAndColour) {
    Rig r;
    r.app.press("Sound");
    EXPECT_TRUE(r.e().soundsync);
    EXPECT_EQ(r.text("Sound"), "Sound Sync - On");
    EXPECT_EQ(r.colour("Sound"), colour::green);
    r.app.press("Sound");
    EXPECT_FALSE(r.e().soundsync);
    EXPECT_EQ(r.text("Sound"), "Sound Sync - Off");
    EXPECT_EQ(r.colour("Sound"), colour::red);
}
