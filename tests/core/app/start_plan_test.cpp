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

// The built program's own tests run --help, --version, a start without a
// display and both working folders; these are the choices they do not reach.
TEST(StartPlan, ShortHelpAndVersionNeedNoDisplayAndAnyPlatformOpensTheWindow) {
    for (const char* flag : {"-h", "-v"}) {
        EXPECT_FALSE(plan_start({flag}, no_display(), "/").open_window) << flag;
        EXPECT_EQ(plan_start({flag}, no_display(), "/").exit_status, 0) << flag;
    }
    StartEnvironment wayland;
    wayland.wayland_display = "wayland-0";
    EXPECT_TRUE(plan_start({}, wayland, "/").open_window);
    EXPECT_TRUE(plan_start({"-platform", "offscreen"}, no_display(), "/").open_window);
    const StartPlan bad = plan_start({"--bogus"}, x11(), "/");
    EXPECT_FALSE(bad.open_window);
    EXPECT_EQ(bad.exit_status, usage_status);
    EXPECT_EQ(bad.error, "kestrova: " + start_msg::unknown_option("--bogus") + "\n" + start_msg::try_help() + "\n");
}

TEST(StartPlan, WorkingFolderIsTheCurrentOneAndAMistypedOneIsRefusedNotMade) {
    test_support::TempDir dir;
    const StartPlan here = plan_start({"--port", "/dev/ttyS0"}, x11(), dir.path());
    EXPECT_EQ(here.workdir, dir.path());
    EXPECT_EQ(here.port, "/dev/ttyS0");
    const StartPlan missing = plan_start({"--workdir", (dir.path() / "rgi").string()}, x11(), "/");
    EXPECT_FALSE(missing.open_window);
    EXPECT_EQ(missing.exit_status, 1);
    EXPECT_FALSE(fs::exists(dir.path() / "rgi"));
}

TEST(StartPlan, UserFolderFallsBackToHomeAndIsRefusedWhenItCannotBeMade) {
    StartEnvironment env = x11();
    EXPECT_EQ(plan_start({"--user-folder"}, env, "/").error, "kestrova: " + start_msg::no_home() + "\n");
    env.home = "/home/op";
    env.xdg_data_home = "relative/data";  // ignored: not absolute
    EXPECT_EQ(user_folder(env), fs::path("/home/op/.local/share/kestrova"));

    test_support::TempDir dir;
    env.xdg_data_home = (dir.path() / "data").string();
    std::ofstream(dir.path() / "data") << "a file where the data folder should be";
    const StartPlan plan = plan_start({"--user-folder"}, env, "/");
    EXPECT_FALSE(plan.open_window);
    EXPECT_EQ(plan.exit_status, 1);
    EXPECT_NE(plan.error.find((dir.path() / "data" / "kestrova").string()), std::string::npos) << plan.error;
}

}  // namespace
}  // namespace kestrova
