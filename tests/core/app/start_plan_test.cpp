#include <gtest/gtest.h>

#include <fstream>

#include "app/command_line.h"
#include "app/start_messages.h"
#include "app/start_plan.h"
#include "app/version.h"
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

TEST(CommandLine, OptionsTakeTheirValueSeparateOrAfterAnEqualsSign) {
    const Result<CommandLine> a = parse_command_line({"--port", "/dev/ttyUSB0", "--workdir=/tmp/rig"});
    ASSERT_TRUE(a.ok()) << a.error();
    EXPECT_EQ(a->port, "/dev/ttyUSB0");
    EXPECT_EQ(a->workdir, "/tmp/rig");
    const Result<CommandLine> b = parse_command_line({"--port=/dev/ttyS1", "--workdir", "rig folder"});
    ASSERT_TRUE(b.ok()) << b.error();
    EXPECT_EQ(b->port, "/dev/ttyS1");
    EXPECT_EQ(b->workdir, "rig folder");
    // "--portable" is not "--port" with a value glued on.
    EXPECT_EQ(parse_command_line({"--portable"}).error(), start_msg::unknown_option("--portable"));
}

TEST(CommandLine, RefusesMissingValuesUnknownOptionsAndStrayArguments) {
    EXPECT_EQ(parse_command_line({"--workdir"}).error(), start_msg::missing_value("--workdir"));
    EXPECT_EQ(parse_command_line({"--port="}).error(), start_msg::missing_value("--port"));
    EXPECT_EQ(parse_command_line({"--verbose"}).error(), start_msg::unknown_option("--verbose"));
    EXPECT_EQ(parse_command_line({"-x"}).error(), start_msg::unknown_option("-x"));
    EXPECT_EQ(parse_command_line({"move1"}).error(), start_msg::unexpected_argument("move1"));
    EXPECT_EQ(parse_command_line({"-platform"}).error(), start_msg::missing_value("-platform"));
    EXPECT_EQ(parse_command_line({"--user-folder", "--workdir", "/tmp"}).error(), start_msg::two_folders());
}

TEST(CommandLine, QtOptionsAreLeftToQtWithTheirValues) {
    const Result<CommandLine> cl =
        parse_command_line({"-platform", "offscreen", "-style", "fusion", "-reverse", "--port", "p"});
    ASSERT_TRUE(cl.ok()) << cl.error();
    EXPECT_TRUE(cl->platform_given);
    EXPECT_EQ(cl->port, "p");
    EXPECT_FALSE(parse_command_line({"-style", "fusion"})->platform_given);
}

TEST(StartPlan, HelpAndVersionNeedNoDisplay) {
    for (const Args& args : {Args{"--help"}, Args{"-h"}, Args{"--version"}, Args{"-v"}}) {
        const StartPlan plan = plan_start(args, no_display(), "/");
        EXPECT_FALSE(plan.open_window) << args[0];
        EXPECT_EQ(plan.exit_status, 0) << args[0];
        EXPECT_TRUE(plan.error.empty()) << args[0];
    }
    EXPECT_EQ(plan_start({"--version"}, no_display(), "/").output, std::string("kestrova ") + program_version + "\n");
    EXPECT_EQ(plan_start({"--help"}, no_display(), "/").output, start_msg::help());
}

TEST(StartPlan, WithoutADisplayOrPlatformRefusesInOneLineWithStatus1) {
    const StartPlan plan = plan_start({}, no_display(), "/");
    EXPECT_FALSE(plan.open_window);
    EXPECT_EQ(plan.exit_status, 1);
    EXPECT_EQ(plan.error, "kestrova: " + start_msg::no_display() + "\n");

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
    EXPECT_EQ(plan_start({"--port", "/dev/ttyS0"}, x11(), dir.path()).workdir, dir.path());
    EXPECT_EQ(plan_start({"--port", "/dev/ttyS0"}, x11(), dir.path()).port, "/dev/ttyS0");

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

TEST(StartPlan, UserFolderIsMadeOnFirstStartAndReusedAfter) {
    test_support::TempDir dir;
    StartEnvironment env = x11();
    env.home = dir.path().string();
    const fs::path expected = dir.path() / ".local" / "share" / "kestrova";
    const StartPlan first = plan_start({"--user-folder"}, env, "/");
    ASSERT_TRUE(first.open_window) << first.error;
    EXPECT_EQ(first.workdir, expected);
    EXPECT_TRUE(fs::is_directory(expected));
    std::ofstream(expected / "stats.ini") << "kept";
    EXPECT_EQ(plan_start({"--user-folder"}, env, "/").workdir, expected);
    EXPECT_TRUE(fs::exists(expected / "stats.ini"));
}

TEST(StartPlan, UserFolderThatCannotBeMadeIsRefused) {
    test_support::TempDir dir;
    StartEnvironment env = x11();
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
