#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "app/start_messages.h"

namespace kestrova {

namespace {

// Qt's standard options that take a value, and those that do not.
constexpr std::array<std::string_view, 13> qt_options_with_value = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session",           "display",       "geometry", "style",        "stylesheet"};
constexpr std::array<std::string_view, 5> qt_flags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

Result<CommandLine> parse_command_line(const std::vector<std::string>& args) {
    CommandLine cl;
    std::string error;  // the first refusal
    auto refuse = [&error](std::string reason) {
        if (error.empty()) error = std::move(reason);
    };
    for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
        const std::string& arg = args[i];
        // "--name=value" or "--name value"
        auto value_of = [&](const std::string& name, std::string& into) {
            if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=') {
                into = arg.substr(name.size() + 1);
            } else if (i + 1 < args.size()) {
                into = args[++i];
            } else {
                refuse(start_msg::missing_value(name));
                return;
            }
            if (into.empty()) refuse(start_msg::missing_value(name));
        };
        auto is = [&arg](const std::string& name) {
            return arg == name || (arg.compare(0, name.size() + 1, name + "=") == 0);
        };
        if (arg == "-h" || arg == "--help") {
            cl.help = true;
        } else if (arg == "-v" || arg == "--version") {
            cl.version = true;
        } else if (arg == "--user-folder") {
            cl.user_folder = true;
        } else if (is("--workdir")) {
            value_of("--workdir", cl.workdir);
        } else if (is("--port")) {
            value_of("--port", cl.port);
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            refuse(start_msg::unknown_option(arg));
        } else if (arg.size() > 1 && arg[0] == '-' && listed(qt_options_with_value, std::string_view(arg).substr(1))) {
            if (arg == "-platform") cl.platform_given = true;
            if (i + 1 < args.size()) ++i;
            else refuse(start_msg::missing_value(arg));
        } else if (arg.size() > 1 && arg[0] == '-' && listed(qt_flags, std::string_view(arg).substr(1))) {
            // Qt's flag: left for the window application.
        } else if (arg.size() > 1 && arg[0] == '-') {
            refuse(start_msg::unknown_option(arg));
        } else {
            refuse(start_msg::unexpected_argument(arg));
        }
    }
    if (cl.user_folder && !cl.workdir.empty()) refuse(start_msg::two_folders());
    if (!error.empty()) return fail(error);
    return cl;
}

}  // namespace kestrova
