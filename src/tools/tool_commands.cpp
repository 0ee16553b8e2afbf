#include "tools/tool_commands.h"

#include <string>

#include "base/file_io.h"
#include "tools/controls.h"
#include "tools/lookup_table.h"
#include "tools/messages.h"

namespace kestrova {

namespace {

// The status bar tells where the file went, or why it did not.
Result<> report(ToolsContext& ctx, const std::filesystem::path& path, const Result<>& written) {
    if (!written) return fail(tools_msg::write_failed(path.string(), written.error()));
    ctx.notices.say(tools_msg::written(path.string()));
    return {};
}

}  // namespace

Result<> write_lookup_bin(ToolsContext& ctx) {
    const auto path = ctx.workdir / "lookup.bin";
    Result<> done = report(ctx, path, write_file_keeping_tail(path, lookup_bin(lookup_bytes())));
    if (done) ctx.axis_a_position = 200;
    return done;
}

Result<> write_lookup_listing(ToolsContext& ctx) {
    const auto path = ctx.workdir / "lookup.txt";
    const std::string text = lookup_listing(lookup_bytes());
    return report(ctx, path, write_file_atomically(path, Bytes(text.begin(), text.end())));
}

void install_tool_commands(Panel& panel, const ToolsContext& context) {
    auto run = [context](Result<> (*tool)(ToolsContext&)) {
        ToolsContext ctx = context;
        if (Result<> done = tool(ctx); !done) ctx.notices.say(done.error());
    };
    panel.on_press(ctl::lookup_bin_button, [run] { run(write_lookup_bin); });
    panel.on_press(ctl::lookup_listing_button, [run] { run(write_lookup_listing); });
    // Command18 has no action.
}

}  // namespace kestrova
