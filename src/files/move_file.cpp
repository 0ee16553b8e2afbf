#include "files/move_file.h"

#include <filesystem>

#include "base/file_io.h"
#include "files/messages.h"
#include "files/text_export.h"
#include "graph/move_graph.h"
#include "move/keyframe_editing.h"

namespace kestrova {

namespace fs = std::filesystem;

namespace {

// The file `name` in the shown folder, or nothing (reported) when it cannot be.
std::optional<fs::path> file_in_folder(AppState& s, const std::string& operation, const std::string& name) {
    if (name.empty()) {
        s.notices.say(files_msg::no_name(operation));
        return std::nullopt;
    }
    if (name == "." || name == ".." || name.find('/') != std::string::npos || name.find('\0') != std::string::npos) {
        s.notices.say(files_msg::bad_name(operation, name));
        return std::nullopt;
    }
    std::error_code ec;
    if (s.files.folder.empty() || !fs::is_directory(s.files.folder, ec)) {
        s.notices.say(files_msg::no_folder(operation, s.files.folder));
        return std::nullopt;
    }
    return fs::path(s.files.folder) / name;
}

std::string export_name(const AppState& s) { return s.files.selected.empty() ? s.files.movename : s.files.selected; }

}  // namespace

void install_move(AppState& state, MoveFileData data) {
    Panel& p = state.panel;
    MoveModel& m = state.move;
    const int frames = data.totalframes;
    p.set_text("Text2", std::to_string(frames));
    set_total_frames(state);
    if (m.totalframes != frames || m.rows() != frames) {
        m.totalframes = frames;
        m.create_tables(frames);
    }
    m.nextkf = data.nextkf;
    m.kfframe = std::move(data.kfframe);
    m.kfpos = std::move(data.kfpos);
    m.movepos = std::move(data.movepos);
    rebuild_keyframe_lists(state);
    p.set_text("keyframes", "");
    p.set_text("keyframes", std::to_string(m.nextkf - 1));
    p.set_text("Text2", std::to_string(m.totalframes));
    draw_graph(state);
}

bool save_move_file(AppState& state, const std::string& name) {
    const auto path = file_in_folder(state, "Save Move", name);
    if (!path) return false;
    if (const std::string why = check_savable(state.move); !why.empty()) {
        state.notices.say(files_msg::save_failed(path->string(), why));
        return false;
    }
    if (const std::string why = write_file_atomically(*path, encode_move(state.move)); !why.empty()) {
        state.notices.say(files_msg::save_failed(path->string(), why));
        return false;
    }
    state.notices.say(files_msg::saved(path->string()));
    return true;
}

bool load_move_file(AppState& state, const std::string& name) {
    const auto path = file_in_folder(state, "Load Move", name);
    if (!path) return false;
    // Only the start of a longer file is ever used.
    const FileRead file = read_file(*path, move_file_size(max_frames));
    if (!file.ok()) {
        state.notices.say(files_msg::load_refused(path->string(), file.error));
        return false;
    }
    MoveDecode d = decode_move(file.bytes);
    if (!d.data) {
        state.notices.say(files_msg::load_refused(path->string(), d.error));
        return false;
    }
    install_move(state, std::move(*d.data));
    state.notices.say(files_msg::loaded(path->string()));
    return true;
}

bool export_move_text(AppState& state) {
    const auto base = file_in_folder(state, "Export Ascii", export_name(state));
    if (!base) return false;
    const fs::path path = base->string() + ".asc";
    std::array<std::string, move_axes> names;
    for (int a = 0; a < move_axes; ++a) names[a] = state.panel.text("Name" + std::to_string(a + 1));
    const std::string text = export_text(state.move, names);
    if (const std::string why = write_file_atomically(path, Bytes(text.begin(), text.end())); !why.empty()) {
        state.notices.say(files_msg::export_failed(path.string(), why));
        return false;
    }
    state.notices.say(files_msg::exported(path.string()));
    return true;
}

bool import_move_text(AppState& state) {
    const auto base = file_in_folder(state, "Import Ascii", export_name(state));
    if (!base) return false;
    const fs::path path = base->string() + ".asc";
    const FileRead file = read_file(path);
    if (!file.ok() || file.truncated) {
        state.notices.say(files_msg::import_refused(path.string(), file.ok() ? "it is too large" : file.error));
        return false;
    }
    ImportParse parsed = parse_export(std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
    if (!parsed.table) {
        state.notices.say(files_msg::import_refused(path.string(), parsed.error));
        return false;
    }
    MoveFileData data;
    data.totalframes = parsed.table->rows();
    data.nextkf = 1;
    for (int a = 0; a < move_axes; ++a) {
        data.kfframe[a].assign(static_cast<std::size_t>(data.totalframes), 0);
        data.kfpos[a].assign(static_cast<std::size_t>(data.totalframes), 0);
    }
    data.movepos = std::move(*parsed.table);
    install_move(state, std::move(data));
    state.notices.say(files_msg::imported(path.string(), state.move.totalframes));
    return true;
}

}  // namespace kestrova
