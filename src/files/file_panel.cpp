#include "files/file_panel.h"

#include <filesystem>
#include <system_error>

#include "files/controls.h"
#include "files/messages.h"
#include "files/move_file.h"

namespace kestrova {

namespace fs = std::filesystem;

namespace {

constexpr std::array panel_parts = {ctl::drive_list, ctl::folder_list, ctl::file_list, ctl::file_mode_label,
                                    ctl::file_cancel_button};

void close_panel(const FilesContext& c) {
    c.files.savemode = false;
    c.files.loadmode = false;
    for (ControlName name : panel_parts) c.panel.set_visible(name, false);
}

// The title and the Cancel button come with the lists.
void show_mode(const FilesContext& c, const char* title) {
    c.panel.set_caption(ctl::file_mode_label, title);
    c.panel.set_visible(ctl::file_mode_label, true);
    c.panel.set_visible(ctl::file_cancel_button, true);
}

bool under(const std::string& path, const std::string& root) {
    if (path.compare(0, root.size(), root) != 0) return false;
    return path.size() == root.size() || root.back() == '/' || path[root.size()] == '/';
}

}  // namespace

fs::path moves_folder(const fs::path& workdir) { return workdir / "moves"; }

void show_moves_folder(const FilesContext& c) {
    const fs::path moves = moves_folder(c.workdir);
    std::error_code ec;
    if (!fs::is_directory(moves, ec)) {
        fs::create_directory(moves, ec);
        if (ec) c.notices.say(files_msg::moves_folder_failed(moves.string(), ec.message()));
    }
    change_folder(c.files, moves.string());
}

void open_panel_for_load(const FilesContext& c) {
    c.files.loadmode = true;
    c.files.savemode = false;
    c.files.selected.clear();
    c.panel.set_visible(ctl::file_list, true);
    ++c.files.list_revision;
    c.panel.set_visible(ctl::drive_list, true);
    c.panel.set_visible(ctl::folder_list, true);
    show_mode(c, files_msg::load_title);
}

void open_panel_for_save(const FilesContext& c) {
    c.files.loadmode = false;
    c.files.savemode = true;
    for (ControlName name : {ctl::folder_list, ctl::drive_list, ctl::file_list}) c.panel.set_visible(name, true);
    show_mode(c, files_msg::save_title);
}

void cancel_pick(const FilesContext& c) {
    c.files.selected.clear();
    close_panel(c);
    ++c.files.list_revision;  // the list drops its highlighted pick
}

void change_drive(const FilesContext& c, const std::string& root) {
    c.files.drive = root;
    std::error_code ec;
    fs::directory_iterator probe(root, ec);  // the volume must be readable
    if (!ec) {
        change_folder(c.files, root);
        return;
    }
    MessageBoxRequest box;
    box.title = files_msg::drive_box_title;
    box.text = files_msg::drive_box_text(ec.value(), ec.message());
    box.ok_cancel = true;
    box.exclamation = true;
    box.answer = [c, root](bool ok) {
        if (ok) change_drive(c, root);
        else c.files.drive = drive_of(c.files, c.files.folder);
    };
    c.notices.box = std::move(box);
}

void change_folder(FilePanelState& files, const std::string& folder) {
    files.folder = folder;
    files.drive = drive_of(files, folder);
    ++files.list_revision;
}

void pick_file(const FilesContext& c) {
    FilePanelState& f = c.files;
    c.panel.show(ctl::file_name_box, f.selected);
    f.movename = f.selected;
    if (f.savemode) save_move_file(c, f.movename);
    if (f.loadmode) {
        c.panel.set_visible(ctl::file_list, false);
        load_move_file(c, f.movename);
    }
    close_panel(c);
    ++f.list_revision;  // a saved file appears in the list
}

void typed_pick(const FilesContext& c) {
    FilePanelState& f = c.files;
    f.movename = f.typed_name;
    if (f.savemode) save_move_file(c, f.movename);
    if (f.loadmode) load_move_file(c, f.movename);
    close_panel(c);
    ++f.list_revision;
}

std::string drive_of(const FilePanelState& files, const std::string& path) {
    std::string best;
    for (const std::string& root : files.drives)
        if (!root.empty() && under(path, root) && root.size() > best.size()) best = root;
    return best;
}

}  // namespace kestrova
