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
TEST(StartPlan, OpensTheWindowWithAnyDisplayAndRefusesWhatItCannotUseWithoutMakingIt) {
    test_support::TempDir dir;
    StartEnvironment wayland;
    wayland.wayland_display = "wayland-0";
    StartEnvironment no_data = x11();  // a file where the data folder should be
    no_data.xdg_data_home = (dir.path() / "data").string();
    std::ofstream(dir.path() / "data") << "not a folder";
    const std::string mistyped = (dir.path() / "rgi").string();

    struct Case {
        Args args;
        StartEnvironment env;
        bool opens;
        int status = 0;
        std::string error = {};  // a part of what is said
    };
    const Case cases[] = {
        {{"-h"}, no_display(), false},
        {{"-v"}, no_display(), false},
        {{}, wayland, true},
        {{"-platform", "offscreen"}, no_display(), true},
        {{"--bogus"}, x11(), false, usage_status, "kestrova: " + start_msg::unknown_option("--bogus") + "\n" + start_msg::try_help()},
        {{"--user-folder"}, x11(), false, 1, "kestrova: " + start_msg::no_home() + "\n"},
        {{"--user-folder"}, no_data, false, 1, (dir.path() / "data" / "kestrova").string()},
        {{"--workdir", mistyped}, x11(), false, 1, mistyped},
    };
    for (const Case& c : cases) {
        const StartPlan plan = plan_start(c.args, c.env, "/");
        EXPECT_EQ(plan.open_window, c.opens) << plan.error;
        EXPECT_EQ(plan.exit_status, c.status) << plan.error;
        EXPECT_NE(plan.error.find(c.error), std::string::npos) << plan.error;
    }
    EXPECT_FALSE(fs::exists(mistyped));

    const StartPlan here = plan_start({"--port", "/dev/ttyS0"}, x11(), dir.path());
    EXPECT_EQ(here.workdir, dir.path());
    EXPECT_EQ(here.port, "/dev/ttyS0");
    StartEnvironment home_only = x11();
    home_only.home = "/home/op";
    home_only.xdg_data_home = "relative/data";  // ignored: not absolute
    EXPECT_EQ(user_folder(home_only), fs::path("/home/op/.local/share/kestrova"));
}

}  // namespace
}  // namespace kestrova
