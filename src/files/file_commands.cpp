#include "files/file_commands.h"

#include "files/controls.h"
#include "files/file_panel.h"
#include "files/move_file.h"

namespace kestrova {

namespace {
constexpr int enter_key = 13;
constexpr int escape_key = 27;
}

void install_file_commands(const FilesContext& c) {
    Panel& p = c.panel;
    p.on_press(ctl::load_move_menu, [c] { open_panel_for_load(c); });
    p.on_press(ctl::save_move_menu, [c] { open_panel_for_save(c); });
    p.on_press(ctl::export_menu, [c] { export_move_text(c); });
    p.on_press(ctl::import_menu, [c] { import_move_text(c); });
    // A click in the file list: the window has put the clicked name into
    // files.selected.
    p.on_press(ctl::file_list, [c] { pick_file(c); });
    p.keep_value(ctl::file_name_box, [&f = c.files](const std::string& text) { f.typed_name = text; });
    p.on_key_down(ctl::file_name_box, [c](int code, bool) {
        if (code == escape_key) cancel_pick(c);
        else if (code == enter_key) typed_pick(c);
        return code == escape_key || code == enter_key;
    });
    p.on_press(ctl::file_cancel_button, [c] { cancel_pick(c); });
}

}  // namespace kestrova
