#include "app/start_plan.h"

#include <cstdlib>

#include "app/command_line.h"
#include "app/start_messages.h"

namespace kestrova {

namespace fs = std::filesystem;

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

StartPlan refused(int status, const std::string& reason, bool with_hint = false) {
    StartPlan plan;
    plan.exit_status = status;
    plan.error = std::string(start_msg::program_name) + ": " + reason + "\n";
    if (with_hint) plan.error += start_msg::try_help() + "\n";
    return plan;
}

bool can_show_window(const CommandLine& cl, const StartEnvironment& env) {
#if defined(__linux__)
    return cl.platform_given || !env.qpa_platform.empty() || !env.display.empty() || !env.wayland_display.empty();
#else
    (void)cl;
    (void)env;
    return true;
#endif
}

}  // namespace

StartEnvironment StartEnvironment::of_process() {
    return {variable("DISPLAY"), variable("WAYLAND_DISPLAY"), variable("QT_QPA_PLATFORM"), variable("XDG_DATA_HOME"),
            variable("HOME")};
}

fs::path user_folder(const StartEnvironment& env) {
    // The XDG base-directory rules ignore a relative XDG_DATA_HOME.
    if (!env.xdg_data_home.empty() && fs::path(env.xdg_data_home).is_absolute())
        return fs::path(env.xdg_data_home) / start_msg::user_folder_name;
    if (!env.home.empty()) return fs::path(env.home) / ".local" / "share" / start_msg::user_folder_name;
    return {};
}

StartPlan plan_start(const std::vector<std::string>& args, const StartEnvironment& env, const fs::path& current) {
    const Result<CommandLine> parsed = parse_command_line(args);
    if (!parsed) return refused(usage_status, parsed.error(), true);
    const CommandLine& cl = parsed.value();
    if (cl.help || cl.version) {
        StartPlan plan;
        plan.output = cl.help ? start_msg::help() : start_msg::version() + "\n";
        return plan;
    }
    if (!can_show_window(cl, env)) return refused(1, start_msg::no_display());

    StartPlan plan;
    plan.open_window = true;
    plan.port = cl.port;
    std::error_code ec;
    if (cl.user_folder) {
        plan.workdir = user_folder(env);
        if (plan.workdir.empty()) return refused(1, start_msg::no_home());
        fs::create_directories(plan.workdir, ec);
        if (ec || !fs::is_directory(plan.workdir, ec))
            return refused(1, start_msg::user_folder_failed(plan.workdir.string(), ec ? ec.message() : "not a folder"));
    } else if (!cl.workdir.empty()) {
        if (!fs::is_directory(cl.workdir, ec)) return refused(1, start_msg::no_such_folder(cl.workdir));
        plan.workdir = fs::absolute(cl.workdir, ec);
        if (ec) plan.workdir = cl.workdir;
    } else {
        plan.workdir = current;
    }
    return plan;
}

}  // namespace kestrova
