// The gamepad's settings: kept as texts and read back, and edited in the
// setup dialog's section.
#include <gtest/gtest.h>

#include <map>

#include "axes/controls.h"
#include "pad/controls.h"
#include "pad/messages.h"
#include "pad/pad_settings.h"
#include "started_app.h"

namespace kestrova {
namespace {

using Stored = std::map<std::string, std::string>;

Result<PadSettings> decode(const Stored& stored) {
    return decode_pad_settings([&stored](const std::string& key) -> std::optional<std::string> {
        const auto it = stored.find(key);
        return it == stored.end() ? std::nullopt : std::optional<std::string>(it->second);
    });
}

TEST(PadSettings, ReadBackAsWrittenAndRefusedByTheKeyThatCannotBeRead) {
    PadSettings s = PadSettings::defaults();
    s.sticks[0] = {no_axis, true};
    s.sticks[5] = {2, false};
    s.dead_zone = 0.25;
    s.keyframe_step = 7;
    s.dead_man = PadButton::right_shoulder;
    const PadSettingsText text = encode_pad_settings(s);
    const Result<PadSettings> back = decode(Stored(text.begin(), text.end()));
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(back.value(), s);
    EXPECT_EQ(decode({}).value(), PadSettings::defaults()) << "nothing stored: the defaults";

    const std::pair<std::string, std::string> bad[] = {
        {"leftXAxis", "F"}, {"leftYInverted", "yes"}, {"deadZone", "91"},
        {"keyframeStep", "2.5"}, {"keyframeStep", "0"}, {"deadMan", "A"}};
    for (const auto& [key, value] : bad) {
        const Result<PadSettings> r = decode({{key, value}});
        ASSERT_FALSE(r) << key << "=" << value;
        EXPECT_EQ(r.error(), pad_msg::unreadable_setting(key));
    }
}

TEST(PadSettings, TheSetupSectionEditsACopyTakenOnlyBySaveAndExit) {
    test_support::StartedApp s;
    Panel& dialog = s.setup_form();
    std::optional<PadSettings> kept;
    s.gamepad().settings_changed = [&kept](const PadSettings& p) { kept = p; };
    s.app.press(ctl::setup_menu);
    EXPECT_EQ(dialog.text(ctl::pad_axis_buttons[0]), "A");
    EXPECT_EQ(dialog.text(ctl::pad_dead_zone_box), "10");
    for (int i = 0; i < 5; ++i) dialog.press(ctl::pad_axis_buttons[0]);  // A -> B .. E -> none
    dialog.press(ctl::pad_invert_buttons[0]);
    dialog.press(ctl::pad_dead_man_button);
    EXPECT_EQ(dialog.text(ctl::pad_axis_buttons[0]), "-");
    EXPECT_EQ(dialog.text(ctl::pad_dead_man_button), "right shoulder");
    dialog.press(ctl::setup_exit_button);
    EXPECT_FALSE(kept) << "leaving without saving keeps nothing";

    s.app.press(ctl::setup_menu);
    EXPECT_EQ(dialog.text(ctl::pad_axis_buttons[0]), "A") << "reopened on the settings in force";
    dialog.press(ctl::pad_axis_buttons[0]);
    dialog.set_text(ctl::pad_step_box, "0");
    dialog.press(ctl::setup_ok_button);
    EXPECT_EQ(s.status(), pad_msg::keyframe_step_refused);
    EXPECT_TRUE(dialog.at(ctl::setup_dialog).visible) << "open again to mend the typed value";
    EXPECT_EQ(dialog.text(ctl::pad_axis_buttons[0]), "B") << "the edits are still there";
    dialog.set_text(ctl::pad_step_box, "40");
    dialog.set_text(ctl::pad_dead_zone_box, "15");
    dialog.press(ctl::setup_ok_button);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->sticks[0].axis, 1);
    EXPECT_EQ(kept->keyframe_step, 40);
    EXPECT_DOUBLE_EQ(kept->dead_zone, 0.15);
    EXPECT_EQ(s.gamepad().settings(), *kept);
}

}  // namespace
}  // namespace kestrova
