// What the program does before its window starts: print the help or the
// version, refuse a bad command line or a missing display, or settle the
// working folder and go on to the window.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kestrova {

// The environment variables start-up looks at; empty when unset.
struct StartEnvironment {
    std::string display;          // DISPLAY
    std::string wayland_display;  // WAYLAND_DISPLAY
    std::string qpa_platform;     // QT_QPA_PLATFORM
    std::string xdg_data_home;    // XDG_DATA_HOME
    std::string home;             // HOME
    static StartEnvironment of_process();
};

struct StartPlan {
    bool open_window = false;
    int exit_status = 0;          // when the window is not opened
    std::string output;           // for standard output (help, version)
    std::string error;            // for standard error, one line per refusal
    std::filesystem::path workdir;
    std::string port;
};

// Exit status of a refused command line, as other command-line tools use it.
inline constexpr int usage_status = 2;

// The per-user working folder: $XDG_DATA_HOME/kestrova, or
// $HOME/.local/share/kestrova when XDG_DATA_HOME is unset or not absolute.
// Empty when neither is known.
std::filesystem::path user_folder(const StartEnvironment& env);

// `args` are the arguments after the program name; `current` is the current
// folder, the working folder when none is chosen. Makes the per-user folder
// when --user-folder asks for it and it is missing.
StartPlan plan_start(const std::vector<std::string>& args, const StartEnvironment& env,
                     const std::filesystem::path& current);

}  // namespace kestrova
