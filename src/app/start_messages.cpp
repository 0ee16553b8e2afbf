#include "app/start_messages.h"

#include "app/version.h"

namespace kestrova::start_msg {

std::string help() {
    return "Usage: kestrova [OPTION]...\n"
           "Drives a camera motion-control rig over a serial line.\n"
           "\n"
           "  --port DEVICE   go on line on the serial device DEVICE at start-up\n"
           "  --workdir DIR   work in the folder DIR: stats.ini, moves/, the lookup files\n"
           "                  and the log live there (default: the current folder)\n"
           "  --user-folder   work in the per-user folder $XDG_DATA_HOME/kestrova\n"
           "                  (~/.local/share/kestrova), made on first start; the\n"
           "                  desktop entry starts the program this way\n"
           "  -h, --help      show this help and exit\n"
           "  -v, --version   show the version and exit\n"
           "\n"
           "Qt's own options (-platform NAME, -style NAME, ...) are handed to Qt.\n"
           "Without a display, set QT_QPA_PLATFORM=offscreen or run under xvfb-run.\n";
}

std::string version() { return std::string(program_name) + " " + program_version; }

std::string no_display() {
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set (set QT_QPA_PLATFORM=offscreen, or use xvfb-run)";
}
std::string unknown_option(const std::string& option) { return "unknown option '" + option + "'"; }
std::string unexpected_argument(const std::string& argument) { return "unexpected argument '" + argument + "'"; }
std::string missing_value(const std::string& option) { return "option '" + option + "' needs a value"; }
std::string two_folders() { return "--workdir and --user-folder cannot be used together"; }
std::string no_such_folder(const std::string& folder) { return "working folder not found: " + folder; }
std::string no_home() { return "cannot find the per-user folder: neither XDG_DATA_HOME nor HOME is set"; }
std::string user_folder_failed(const std::string& folder, const std::string& reason) {
    return "cannot make the per-user folder " + folder + ": " + reason;
}
std::string folder_in_use(const std::string& folder) {
    return "another kestrova is already working in " + folder + "; close it first";
}
std::string folder_lock_failed(const std::string& folder) {
    return "cannot lock the working folder " + folder + " (is it writable?)";
}
std::string try_help() { return "Try 'kestrova --help' for more information."; }

}  // namespace kestrova::start_msg
