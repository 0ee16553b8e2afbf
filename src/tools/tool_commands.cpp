#include "tools/tool_commands.h"

#include "base/file_io.h"
#include "tools/lookup_table.h"
#include "tools/messages.h"

namespace kestrova {

namespace {

bool report(AppState& s, const std::filesystem::path& path, const std::string& failure) {
    s.notices.say(failure.empty() ? tools_msg::written(path.string()) : tools_msg::write_failed(path.string(), failure));
    return failure.empty();
}

}  // namespace

bool write_lookup_bin(AppState& state) {
    const auto path = state.workdir / "lookup.bin";
    if (!report(state, path, write_file_keeping_tail(path, lookup_bin(lookup_bytes())))) return false;
    state.engine.curpos[0] = 200;
    return true;
}

bool write_lookup_listing(AppState& state) {
    const auto path = state.workdir / "lookup.txt";
    const std::string text = lookup_listing(lookup_bytes());
    return report(state, path, write_file_atomically(path, Bytes(text.begin(), text.end())));
}

void install_tool_commands(AppState& state) {
    AppState* s = &state;
    state.panel.on_press("Command2", [s] { write_lookup_bin(*s); });
    state.panel.on_press("Command4", [s] { write_lookup_listing(*s); });
    // Command18 has no action.
}

}  // namespace kestrova
