#include <gtest/gtest.h>

#include <functional>

#include "axes/messages.h"
#include "axes/setup_codec.h"
#include "started_app.h"
#include "axes/controls.h"

using namespace kestrova;
using test_support::le16;
using test_support::le32;

namespace {

struct Started : test_support::StartedApp {
    using StartedApp::StartedApp;
    std::filesystem::path ini() const { return dir.path() / "stats.ini"; }
    Bytes ini_file() const { return test_support::file_bytes(ini()); }
};

std::string text_at(const Bytes& b, std::size_t at, std::size_t n) { return std::string(b.begin() + at, b.begin() + at + n); }

}  // namespace

TEST(SetupFile, SaveAfterStartUpWritesTheDefaultLayout) {
    Started s;
    s.app.press(ctl::save_setup_menu);
    const Bytes b = s.ini_file();
    ASSERT_EQ(b.size(), 184u);
    EXPECT_EQ(text_at(b, 0, 16), std::string(16, ' '));  // the title and the unnamed first axis
    EXPECT_EQ(text_at(b, 16, 8), "Tilt    ");
    EXPECT_EQ(text_at(b, 64, 8), "Spare3  ");
    for (std::size_t a = 0; a < 8; ++a) {
        EXPECT_EQ(le16(b, 72 + 2 * a), 10 + static_cast<int>(a));
        EXPECT_EQ(le16(b, 88 + 2 * a), 101 + static_cast<int>(a));
        EXPECT_EQ(le16(b, 104 + 2 * a), a < 5 ? (101 + static_cast<int>(a)) / 4 : 0);  // a first start's F speeds
        EXPECT_EQ(le32(b, 120 + 4 * a), -50000);
        EXPECT_EQ(le32(b, 152 + 4 * a), 50000);
    }
    EXPECT_EQ(s.status(), axes_msg::saved());
}

TEST(SetupFile, SaveThenLoadGivesBackNamesSettingsAndFSpeedBoxesButNotPulsesPerUnit) {
    Started s;
    AxisSettings& ax = s.axes();
    for (int a = 0; a < axis_count; ++a) {
        ax.acc[a] = 20 + a;
        ax.mSpeed[a] = 300 + a;
        ax.FSpeed[a] = 40 + a;
        ax.min[a] = -1000 * (a + 1);
        ax.max[a] = 2000 * (a + 1);
    }
    ax.acc[0] = 12.5;  // whole numbers in the file: halves to even
    ax.acc[1] = 13.5;
    s.app.type(ctl::axis_name_boxes[0], "Pan-and-scan");
    s.app.type(ctl::axis_name_boxes[3], "F\xc3\xb6" "cus");  // UTF-8 in the box, one Latin-1 byte in the file
    s.app.press(ctl::save_setup_menu);
    const Bytes b = s.ini_file();
    EXPECT_EQ(text_at(b, 8, 8), "Pan-and-");
    EXPECT_EQ(text_at(b, 32, 8), "F\xf6" "cus   ");
    EXPECT_EQ(le16(b, 72), 12);
    EXPECT_EQ(le16(b, 74), 14);

    AxisSettings saved = ax;
    saved.acc[0] = 12;
    saved.acc[1] = 14;
    ax = AxisSettings::defaults();
    ax.pp_rev[0] = 7;
    s.app.type(ctl::axis_name_boxes[1], "changed");
    s.app.press(ctl::load_setup_menu);
    EXPECT_TRUE(std::tie(ax.acc, ax.mSpeed, ax.FSpeed, ax.min, ax.max) ==
                std::tie(saved.acc, saved.mSpeed, saved.FSpeed, saved.min, saved.max));
    EXPECT_EQ(ax.pp_rev[0], 7);
    EXPECT_EQ(s.text(ctl::fspeed_boxes[0]), "40");
    EXPECT_EQ(s.text(ctl::axis_name_boxes[1]), "Tilt    ");
    EXPECT_EQ(s.text(ctl::axis_name_boxes[3]), "F\xc3\xb6" "cus   ");
    EXPECT_EQ(s.status(), axes_msg::loaded());
}

// Neither a missing nor a short file changes the defaults; a short one is named and left as it is.
TEST(SetupFile, MissingOrShortFileKeepsDefaults) {
    Started s;
    EXPECT_EQ(s.notices().status_serial, 0u);  // nothing said until asked
    s.app.press(ctl::load_setup_menu);
    EXPECT_FALSE(std::filesystem::exists(s.ini()));
    EXPECT_EQ(s.status(), axes_msg::load_missing());

    const Bytes short_file(100, 0x41);
    test_support::write_bytes(s.ini(), short_file);
    Started after([&](const auto& d) { test_support::write_bytes(d / "stats.ini", short_file); });
    EXPECT_EQ(after.axes().mSpeed[0], 101);
    EXPECT_EQ(after.text(ctl::axis_name_boxes[1]), "Tilt");
    EXPECT_NE(after.status().find("100 bytes"), std::string::npos);
    EXPECT_EQ(after.ini_file(), short_file);
}

// A whole file with one value the setup dialog would refuse is refused whole,
// at start-up and by Load Setup, and the settings stay as they were.
TEST(SetupFile, AFileBreakingTheSettingRulesIsRefusedWhole) {
    Started saved;
    saved.app.press(ctl::save_setup_menu);
    const SetupRecord good = decode_setup(saved.ini_file()).value();
    const std::pair<std::function<void(SetupRecord&)>, std::string> cases[] = {
        {[](SetupRecord& r) { r.mSpeed[0] = 0; }, axes_msg::out_of_range(0, "max speed", 0, "1..32767")},
        {[](SetupRecord& r) { r.acc[7] = -5; }, axes_msg::out_of_range(7, "acceleration", -5, "1..32767")},
        {[](SetupRecord& r) { r.FSpeed[0] = -300; }, axes_msg::out_of_range(0, "F speed", -300, "0..101")},
        {[](SetupRecord& r) { r.FSpeed[5] = 107; }, axes_msg::out_of_range(5, "F speed", 107, "0..106")},
        {[](SetupRecord& r) { r.min[2] = 5000, r.max[2] = -5000; }, axes_msg::min_above_max(2, 5000, -5000)},
        {[](SetupRecord& r) { r.max[1] = 9000000; },
         axes_msg::out_of_range(1, "max pos", 9000000, "-8388608..8388607")},
    };
    for (const auto& [breaks, reason] : cases) {
        SetupRecord bad = good;
        bad.names[1] = "Changed ";
        breaks(bad);
        Started app([&](const auto& d) { test_support::write_bytes(d / "stats.ini", encode_setup(bad)); });
        EXPECT_EQ(app.status(), axes_msg::load_refused(reason));
        EXPECT_EQ(app.axes().mSpeed, AxisSettings::defaults().mSpeed) << reason;
        EXPECT_EQ(app.panel().text(ctl::axis_name_boxes[1]), "Tilt") << reason;

        app.axes().acc[0] = 33;
        app.app.press(ctl::load_setup_menu);
        EXPECT_EQ(app.status(), axes_msg::load_refused(reason));
        EXPECT_EQ(app.axes().acc[0], 33);
    }
}

TEST(SetupFile, SaveKeepsBytesBeyondTheFieldsRefusesWhatALoadWouldRefuseAndReportsAMissingFolder) {
    Started s;
    test_support::write_bytes(s.ini(), Bytes(200, 0x5A));
    s.app.press(ctl::save_setup_menu);
    const Bytes b = s.ini_file();
    ASSERT_EQ(b.size(), 200u);
    EXPECT_EQ(le16(b, 72), 10);
    EXPECT_EQ(Bytes(b.begin() + 184, b.end()), Bytes(16, 0x5A));

    // What a load would refuse (the rules tabled above) is not saved, nor what the file cannot hold.
    for (const auto& [breaks, reason] : std::initializer_list<std::pair<void (*)(AxisSettings&), std::string>>{
             {[](AxisSettings& a) { a.acc[2] = 40000; }, axes_msg::out_of_range(2, "acceleration", 40000, "1..32767")},
             {[](AxisSettings& a) { a.max[7] = 3e9; }, "axis H max pos"}}) {
        AxisSettings bad = s.axes();
        breaks(bad);
        std::swap(bad, s.axes());
        s.app.press(ctl::save_setup_menu);
        EXPECT_EQ(s.status().rfind("Save Setup refused: ", 0), 0u) << s.status();
        EXPECT_NE(s.status().find(reason), std::string::npos) << s.status();
        std::swap(bad, s.axes());
    }
    EXPECT_EQ(s.ini_file(), b);

    Started gone([](const auto&) {}, "gone");
    gone.app.press(ctl::save_setup_menu);
    EXPECT_NE(gone.status().find("Save Setup failed"), std::string::npos);
}
