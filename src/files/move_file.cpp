#include "files/move_file.h"

#include <algorithm>
#include <filesystem>

#include "base/file_io.h"
#include "files/messages.h"
#include "files/text_export.h"
#include "graph/move_graph.h"
#include "move/keyframe_editing.h"
#include "move/move_length.h"

namespace kestrova {

namespace fs = std::filesystem;

namespace {

// The file `name` in the shown folder, or nothing (reported) when it cannot be.
std::optional<fs::path> file_in_folder(const FilesContext& c, const std::string& operation, const std::string& name) {
    if (name.empty()) {
        c.notices.say(files_msg::no_name(operation));
        return std::nullopt;
    }
    if (name == "." || name == ".." || name.find('/') != std::string::npos || name.find('\0') != std::string::npos) {
        c.notices.say(files_msg::bad_name(operation, name));
        return std::nullopt;
    }
    if (is_program_file_name(name)) {
        c.notices.say(files_msg::program_file_name(operation, name));
        return std::nullopt;
    }
    std::error_code ec;
    if (c.files.folder.empty() || !fs::is_directory(c.files.folder, ec)) {
        c.notices.say(files_msg::no_folder(operation, c.files.folder));
        return std::nullopt;
    }
    return fs::path(c.files.folder) / name;
}

std::string export_name(const FilePanelState& f) { return f.selected.empty() ? f.movename : f.selected; }

// A file that exists and is not the one the move is named after.
bool another_move_file(const FilesContext& c, const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return false;
    const fs::path own = c.hooks.move_file ? c.hooks.move_file() : fs::path();
    return own.empty() || !fs::equivalent(path, own, ec);
}

bool write_move_file(const FilesContext& c, const fs::path& path) {
    if (const Result<> savable = check_savable(c.move); !savable) {
        c.notices.say(files_msg::save_failed(path.string(), savable.error()));
        return false;
    }
    if (const Result<> written = write_file_atomically(path, encode_move(c.move)); !written) {
        c.notices.say(files_msg::save_failed(path.string(), written.error()));
        return false;
    }
    c.notices.say(files_msg::saved(path.string()));
    if (c.hooks.move_matches_file) c.hooks.move_matches_file(path);
    return true;
}

}  // namespace

void install_move(const FilesContext& c, MoveFileData data) {
    // The model first: a fresh move of the read length, then its tables.
    // A fresh move of the read length, its tables all zero, for the reader to fill.
    MoveContext mc = c.moves;
    clear_move(mc);
    resize_move(mc, data.totalframes);
    MoveModel& m = c.move;
    m.nextkf = data.nextkf;
    m.kfframe = std::move(data.kfframe);
    m.kfpos = std::move(data.kfpos);
    m.movepos = std::move(data.movepos);
    show_whole_move(c.panel, m);
    mc.draw_chart();
}

void install_positions(const FilesContext& c, FrameTable positions) {
    MoveFileData data;
    data.totalframes = positions.rows();
    data.nextkf = 1;
    for (int a = 0; a < move_axes; ++a) {
        data.kfframe[a].assign(static_cast<std::size_t>(data.totalframes), 0);
        data.kfpos[a].assign(static_cast<std::size_t>(data.totalframes), 0);
    }
    data.movepos = std::move(positions);
    install_move(c, std::move(data));
    if (c.hooks.move_has_no_file) c.hooks.move_has_no_file();
}

bool save_move_file(const FilesContext& c, const std::string& name) {
    const auto path = file_in_folder(c, "Save Move", name);
    if (!path) return false;
    if (!another_move_file(c, *path)) return write_move_file(c, *path);
    // Another move's file (or one that another program just wrote) goes only when the operator says so.
    c.notices.box = MessageBoxRequest{.title = files_msg::replace_box_title,
                                      .text = files_msg::replace_question(name),
                                      .ok_cancel = true,
                                      .exclamation = true,
                                      .answer = [c, path = *path](bool ok) {
                                          if (ok)
                                              write_move_file(c, path);
                                          else
                                              c.notices.say(files_msg::replace_declined(path.string()));
                                      }};
    return false;
}

bool load_move_file(const FilesContext& c, const std::string& name) {
    const auto path = file_in_folder(c, "Load Move", name);
    if (!path) return false;
    // One byte more than the longest move, so that a longer file shows as such.
    const Result<FileContent> file = read_file(*path, move_file_size(max_frames) + 1);
    if (!file) {
        c.notices.say(files_msg::load_refused(path->string(), file.error()));
        return false;
    }
    Result<MoveFileData> d = decode_move(file->bytes);
    if (!d) {
        c.notices.say(files_msg::load_refused(path->string(), d.error()));
        return false;
    }
    install_move(c, std::move(d).value());
    c.notices.say(files_msg::loaded(path->string()));
    if (c.hooks.move_matches_file) c.hooks.move_matches_file(*path);
    return true;
}

std::array<std::string, move_axes> move_axis_names(const AxisNames& names) {
    std::array<std::string, move_axes> out;
    std::copy_n(names.begin(), move_axes, out.begin());
    return out;
}

bool export_move_text(const FilesContext& c) {
    const auto base = file_in_folder(c, "Export Ascii", export_name(c.files));
    if (!base) return false;
    const fs::path path = base->string() + ".asc";
    const auto names = move_axis_names(c.axis_names);
    const std::string text = export_text(c.move, names);
    if (const Result<> written = write_file_atomically(path, Bytes(text.begin(), text.end())); !written) {
        c.notices.say(files_msg::export_failed(path.string(), written.error()));
        return false;
    }
    c.notices.say(files_msg::exported(path.string()));
    return true;
}

bool import_move_text(const FilesContext& c) {
    const auto base = file_in_folder(c, "Import Ascii", export_name(c.files));
    if (!base) return false;
    const fs::path path = base->string() + ".asc";
    const Result<FileContent> file = read_file(path);
    if (!file || file->truncated) {
        c.notices.say(files_msg::import_refused(path.string(), file ? files_msg::too_large : file.error()));
        return false;
    }
    Result<FrameTable> table =
        parse_export(std::string_view(reinterpret_cast<const char*>(file->bytes.data()), file->bytes.size()));
    if (!table) {
        c.notices.say(files_msg::import_refused(path.string(), table.error()));
        return false;
    }
    install_positions(c, std::move(table).value());
    c.notices.say(files_msg::imported(path.string(), c.move.totalframes));
    return true;
}

}  // namespace kestrova
