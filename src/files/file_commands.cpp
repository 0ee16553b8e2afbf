#include "files/file_commands.h"

#include "files/file_panel.h"
#include "files/move_file.h"

namespace kestrova {

namespace {
constexpr int enter_key = 13;
}

void install_file_commands(AppState& state) {
    Panel& p = state.panel;
    AppState* s = &state;
    p.on_press("Load", [s] { open_panel_for_load(*s); });
    p.on_press("save", [s] { open_panel_for_save(*s); });
    p.on_press("Export", [s] { export_move_text(*s); });
    p.on_press("Importascii", [s] { import_move_text(*s); });
    // A click in the file list: the window has put the clicked name into
    // state.files.selected.
    p.on_press("File1", [s] { pick_file(*s); });
    // Text9 shows axis B's name; its change runs the pick as a click does
    // (once at start-up, with the panel closed).
    p.on_change("Text9", [s](const std::string&) { pick_file(*s); });
    p.on_key_down("Fname", [s](int code, bool) {
        if (code != enter_key) return false;
        typed_pick(*s);
        return true;
    });
}

}  // namespace kestrova
