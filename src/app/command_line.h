// The program's options, read before the window application starts so that
// --help and --version work without a display.
#pragma once

#include <string>
#include <vector>

#include "base/result.h"

namespace kestrova {

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string port;            // --port DEVICE; empty: start off line
    std::string workdir;         // --workdir DIR; empty: not given
    bool user_folder = false;    // --user-folder
    bool platform_given = false; // Qt's -platform NAME is among the arguments
};

// `args` are the arguments after the program name. Qt's own single-dash options
// (-platform NAME, -style NAME, -reverse, ...) are skipped with their values:
// the window application takes them later. Fails with the first refusal.
Result<CommandLine> parse_command_line(const std::vector<std::string>& args);

}  // namespace kestrova
