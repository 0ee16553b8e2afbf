#pragma once

#include <filesystem>

#include "base/notices.h"
#include "base/panel.h"
#include "base/result.h"

namespace kestrova {

// What the developer tools touch: the working folder they write into, the
// status bar, and axis A's present position, which "array" sets.
struct ToolsContext {
    const std::filesystem::path& workdir;
    Notices& notices;
    double& axis_a_position;
};

// Wire the developer buttons into the main window.
void install_tool_commands(Panel& panel, const ToolsContext& ctx);

// "array": write "lookup.bin" into the working directory (an existing longer
// file keeps its tail), then put axis A's present position at 200.
Result<> write_lookup_bin(ToolsContext& ctx);
// "make list": write "lookup.txt" into the working directory, replacing it.
Result<> write_lookup_listing(ToolsContext& ctx);

}  // namespace kestrova
