#include "files/file_panel.h"

#include <filesystem>
#include <system_error>

#include "files/messages.h"
#include "files/move_file.h"

namespace kestrova {

namespace fs = std::filesystem;

namespace {

constexpr const char* panel_lists[] = {"Drive1", "Dir1", "File1"};

void close_panel(AppState& s) {
    s.files.savemode = false;
    s.files.loadmode = false;
    for (const char* name : panel_lists) s.panel.set_visible(name, false);
}

bool under(const std::string& path, const std::string& root) {
    if (path.compare(0, root.size(), root) != 0) return false;
    return path.size() == root.size() || root.back() == '/' || path[root.size()] == '/';
}

}  // namespace

void show_moves_folder(AppState& state) {
    const fs::path moves = state.workdir / "moves";
    std::error_code ec;
    if (!fs::is_directory(moves, ec)) {
        fs::create_directory(moves, ec);
        if (ec) state.notices.say(files_msg::moves_folder_failed(moves.string(), ec.message()));
    }
    change_folder(state, moves.string());
}

void open_panel_for_load(AppState& state) {
    state.files.loadmode = true;
    state.files.savemode = false;
    state.files.selected.clear();
    state.panel.set_visible("File1", true);
    ++state.files.list_revision;
    state.panel.set_visible("Drive1", true);
    state.panel.set_visible("Dir1", true);
}

void open_panel_for_save(AppState& state) {
    state.files.loadmode = false;
    state.files.savemode = true;
    for (const char* name : {"Dir1", "Drive1", "File1"}) state.panel.set_visible(name, true);
}

void change_drive(AppState& state, const std::string& root) {
    state.files.drive = root;
    std::error_code ec;
    fs::directory_iterator probe(root, ec);  // the volume must be readable
    if (!ec) {
        change_folder(state, root);
        return;
    }
    MessageBoxRequest box;
    box.title = files_msg::drive_box_title;
    box.text = files_msg::drive_box_text(ec.value(), ec.message());
    box.ok_cancel = true;
    box.exclamation = true;
    AppState* s = &state;
    box.answer = [s, root](bool ok) {
        if (ok) change_drive(*s, root);
        else s->files.drive = drive_of(*s, s->files.folder);
    };
    state.notices.box = std::move(box);
}

void change_folder(AppState& state, const std::string& folder) {
    state.files.folder = folder;
    state.files.drive = drive_of(state, folder);
    ++state.files.list_revision;
}

void pick_file(AppState& state) {
    FilePanelState& f = state.files;
    state.panel.set_text("Fname", f.selected);
    f.movename = f.selected;
    if (f.savemode) save_move_file(state, f.movename);
    if (f.loadmode) {
        state.panel.set_visible("File1", false);
        load_move_file(state, f.movename);
    }
    close_panel(state);
    ++f.list_revision;  // a saved file appears in the list
}

void typed_pick(AppState& state) {
    FilePanelState& f = state.files;
    f.movename = state.panel.text("Fname");
    if (f.savemode) save_move_file(state, f.movename);
    close_panel(state);
    ++f.list_revision;
}

std::string drive_of(const AppState& state, const std::string& path) {
    std::string best;
    for (const std::string& root : state.files.drives)
        if (!root.empty() && under(path, root) && root.size() > best.size()) best = root;
    return best;
}

}  // namespace kestrova
