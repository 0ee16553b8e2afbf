#include <gtest/gtest.h>

#include <fstream>

#include "app/command_line.h"
#include "app/start_messages.h"
#include "app/start_plan.h"
#include "temp_dir.h"

namespace kestrova {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

StartEnvironment no_display() { return {}; }
StartEnvironment x11() {
    StartEnvironment env;
    env.display = ":0";
    return env;
}

TEST(CommandLine, TakesValuesSeparateOrAfterAnEqualsSignLeavesQtItsOptionsAndRefusesTheRest) {
    const Result<CommandLine> a = parse_command_line({"--port", "/dev/ttyUSB0", "--workdir=/tmp/rig"});
    ASSERT_TRUE(a.ok()) << a.error();
    EXPECT_EQ(a->port, "/dev/ttyUSB0");
    EXPECT_EQ(a->workdir, "/tmp/rig");
    EXPECT_FALSE(a->platform_given);
    const Result<CommandLine> b =
        parse_command_line({"-platform", "offscreen", "-style", "fusion", "-reverse", "--port=p", "--workdir", "rig folder"});
    ASSERT_TRUE(b.ok()) << b.error();
    EXPECT_TRUE(b->platform_given);
    EXPECT_EQ(b->port, "p");
    EXPECT_EQ(b->workdir, "rig folder");

    const std::pair<Args, std::string> refused[] = {
        {{"--portable"}, start_msg::unknown_option("--portable")},  // not "--port" with a value glued on
        {{"--workdir"}, start_msg::missing_value("--workdir")},
        {{"--port="}, start_msg::missing_value("--port")},
        {{"-x"}, start_msg::unknown_option("-x")},
        {{"move1"}, start_msg::unexpected_argument("move1")},
        {{"-platform"}, start_msg::missing_value("-platform")},
        {{"--user-folder", "--workdir", "/tmp"}, start_msg::two_folders()},
    };
    for (const auto& [args, error] : refused) EXPECT_EQ(parse_command_line(args).error(), error) << args[0];
}

// The executable's own tests run --help, --version and a start without a display.
TEST(StartPlan, ShortHelpAndVersionNeedNoDisplayAndAnyPlatformOpensTheWindow) {
    for (const char* flag : {"-h", "-v"}) {
        EXPECT_FALSE(plan_start({flag}, no_display(), "/").open_window) << flag;
        EXPECT_EQ(plan_start({flag}, no_display(), "/").exit_status, 0) << flag;
    }
    StartEnvironment wayland;
    wayland.wayland_display = "wayland-0";
    StartEnvironment offscreen;
    offscreen.qpa_platform = "offscreen";
    EXPECT_TRUE(plan_start({}, wayland, "/").open_window);
    EXPECT_TRUE(plan_start({}, offscreen, "/").open_window);
    EXPECT_TRUE(plan_start({"-platform", "offscreen"}, no_display(), "/").open_window);
}

TEST(StartPlan, ABadCommandLineIsAUsageErrorWithAHint) {
    const StartPlan plan = plan_start({"--bogus"}, x11(), "/");
    EXPECT_FALSE(plan.open_window);
    EXPECT_EQ(plan.exit_status, usage_status);
    EXPECT_EQ(plan.error, "kestrova: " + start_msg::unknown_option("--bogus") + "\n" + start_msg::try_help() + "\n");
}

TEST(StartPlan, WorkingFolderIsTheCurrentOneUnlessChosen) {
    test_support::TempDir dir;
    const StartPlan here = plan_start({"--port", "/dev/ttyS0"}, x11(), dir.path());
    EXPECT_EQ(here.workdir, dir.path());
    EXPECT_EQ(here.port, "/dev/ttyS0");

    fs::create_directory(dir.path() / "rig");
    const StartPlan chosen = plan_start({"--workdir", (dir.path() / "rig").string()}, x11(), "/");
    EXPECT_TRUE(chosen.open_window);
    EXPECT_EQ(chosen.workdir, dir.path() / "rig");
    EXPECT_TRUE(chosen.workdir.is_absolute());

    // A mistyped folder is refused rather than made.
    const StartPlan missing = plan_start({"--workdir", (dir.path() / "rgi").string()}, x11(), "/");
    EXPECT_FALSE(missing.open_window);
    EXPECT_EQ(missing.exit_status, 1);
    EXPECT_FALSE(fs::exists(dir.path() / "rgi"));
}

TEST(StartPlan, UserFolderFollowsXdgDataHomeThenHome) {
    StartEnvironment env;
    EXPECT_TRUE(user_folder(env).empty());
    env.home = "/home/op";
    EXPECT_EQ(user_folder(env), fs::path("/home/op/.local/share/kestrova"));
    env.xdg_data_home = "relative/data";  // ignored: not absolute
    EXPECT_EQ(user_folder(env), fs::path("/home/op/.local/share/kestrova"));
    env.xdg_data_home = "/data/op";
    EXPECT_EQ(user_folder(env), fs::path("/data/op/kestrova"));
}

TEST(StartPlan, UserFolderIsMadeOnFirstStartReusedAfterAndRefusedWhenItCannotBe) {
    test_support::TempDir dir;
    StartEnvironment env = x11();
    env.home = dir.path().string();
    const fs::path expected = dir.path() / ".local" / "share" / "kestrova";
    const StartPlan first = plan_start({"--user-folder"}, env, "/");
    ASSERT_TRUE(first.open_window) << first.error;
    EXPECT_EQ(first.workdir, expected);
    std::ofstream(expected / "stats.ini") << "kept";
    EXPECT_EQ(plan_start({"--user-folder"}, env, "/").workdir, expected);
    EXPECT_TRUE(fs::exists(expected / "stats.ini"));

    env.xdg_data_home = (dir.path() / "data").string();
    std::ofstream(dir.path() / "data") << "a file where the data folder should be";
    const StartPlan plan = plan_start({"--user-folder"}, env, "/");
    EXPECT_FALSE(plan.open_window);
    EXPECT_EQ(plan.exit_status, 1);
    EXPECT_NE(plan.error.find((dir.path() / "data" / "kestrova").string()), std::string::npos) << plan.error;
    EXPECT_EQ(plan_start({"--user-folder"}, x11(), "/").error, "kestrova: " + start_msg::no_home() + "\n");
}

}  // namespace
}  // namespace kestrova
