// A started program in a fresh working folder, driven as the operator drives
// it. Tests reach the program's state only through the typed accessors and
// commands here, so a renamed AppState member is renamed here alone.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "base/file_io.h"
#include "app/app.h"
#include "app/contexts.h"
#include "app/editing_commands.h"
#include "app/keyframe_table.h"
#include "temp_dir.h"
#include "files/controls.h"
#include "move/controls.h"

namespace kestrova::test_support {

// A file's bytes; none when it cannot be read.
inline Bytes file_bytes(const std::filesystem::path& p) {
    const Result<FileContent> r = read_file(p);
    return r ? r->bytes : Bytes{};
}
struct StartedApp {
    TempDir dir;
    App app;
    explicit StartedApp(std::unique_ptr<PortOpener> opener = nullptr) : app(dir.path(), std::move(opener)) { app.start(); }
    // Started in `sub` of the folder, after `prepare` has put files into the folder.
    template <std::invocable<const std::filesystem::path&> Prepare>
    explicit StartedApp(Prepare prepare, const std::filesystem::path& sub = {})
        : app((prepare(dir.path()), sub.empty() ? dir.path() : dir.path() / sub)) {
        app.start();
    }

    EngineState& engine() { return st().engine; }
    MoveModel& move() { return st().move; }
    AxisSettings& axes() { return st().axes; }
    AxisNames& axis_names() { return st().axis_names; }
    Notices& notices() { return st().notices; }
    MoveEditing& editing() { return st().editing; }
    FilePanelState& files() { return st().files; }
    GraphState& graph() { return st().graph; }
    LinkState& link_status() { return st().link; }
    SingleFrameState& single_frame() { return st().single_frame; }
    RecentMoves& recent() { return st().recent; }
    Gamepad& gamepad() { return st().gamepad; }
    const std::string& check_line() { return st().check_line; }
    std::function<void()>& axes_kept_changed() { return st().axes_kept_changed; }
    Panel& panel() { return app.panel(); }
    Panel& setup_form() { return st().form1; }
    const std::string& text(ControlName name) { return app.panel().text(name); }
    std::uint32_t colour(ControlName name) { return app.panel().at(name).colour; }
    const std::string& status() { return notices().status; }
    // The message box asked, taken off the screen to be answered.
    std::optional<MessageBoxRequest> take_box() { return std::exchange(notices().box, std::nullopt); }

    // The commands the menus run, and the contexts the chart and the file panel hand on.
    void undo() { undo_move(st()); }
    void redo() { redo_move(st()); }
    bool save_again() { return save_move_again(st()); }
    bool export_csv(const std::filesystem::path& p) { return export_csv_file(st(), p); }
    bool import_csv(const std::filesystem::path& p) { return import_csv_file(st(), p); }
    bool load_recent(const std::filesystem::path& p) { return load_recent_move(st(), p); }
    GraphContext graph_context() { return kestrova::graph_context(st()); }
    FilesContext files_context() { return kestrova::files_context(st()); }

    // "Set Total Frames" with the typed length.
    void set_length(const std::string& frames) {
        app.type(ctl::total_frames_box, frames);
        app.press(ctl::set_total_frames_button);
    }
    void set_length(int frames) { set_length(std::to_string(frames)); }
    // "Add KeyFrame" at the typed frame with axes A..E standing at `pose`.
    void add_keyframe(const std::string& frame, std::array<double, move_axes> pose = {}) {
        for (std::size_t a = 0; a < pose.size(); ++a) engine().curpos[a] = pose[a];
        app.type(ctl::keyframe_frame_box, frame);
        app.press(ctl::add_keyframe_button);
    }
    void add_keyframe(int frame, std::array<double, move_axes> pose = {}) { add_keyframe(std::to_string(frame), pose); }
    // A keyframe row written straight into the table (no recalculation), the
    // same frame and position on every axis.
    void put_keyframe(int frame, int pos) {
        for (int a = 0; a < move_axes; ++a) {
            move().frame_of(a, move().nextkf) = frame;
            move().pos_of(a, move().nextkf) = pos;
        }
        ++move().nextkf;
    }

    // The keyframe table's row commands (rows 1-based, its columns).
    void select_row(int row) { select_keyframe(st(), row); }
    void edit_cell(int row, int column, const std::string& text) { edit_keyframe_cell(st(), row, column, text); }
    void delete_row(int row) { delete_keyframe_row(st(), row); }

    // The move files, saved and loaded through the file panel.
    std::filesystem::path moves() const { return dir.path() / "moves"; }
    Bytes file(const std::string& name) const { return file_bytes(moves() / name); }
    void save_as(const std::string& name) {
        app.press(ctl::save_move_menu);
        app.type(ctl::file_name_box, name);
        app.key_down(ctl::file_name_box, 13);
    }
    void load(const std::string& name) {
        app.press(ctl::load_move_menu);
        files().selected = name;
        app.press(ctl::file_list);
    }

private:
    AppState& st() { return app.state(); }
};

inline void write_bytes(const std::filesystem::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}
inline std::int16_t le16(const Bytes& b, std::size_t at) { return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8)); }
inline std::int32_t le32(const Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 4; i-- > 0;) v = v << 8 | b[at + i];
    return static_cast<std::int32_t>(v);
}

}  // namespace kestrova::test_support
