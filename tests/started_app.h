// A started program in a fresh working folder, driven as the operator drives
// it, with short-hands for the state the tests read back.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "base/file_io.h"
#include "app/app.h"
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

    AppState& state() { return app.state(); }
    EngineState& engine() { return app.state().engine; }
    MoveModel& move() { return app.state().move; }
    Panel& panel() { return app.panel(); }
    const std::string& text(ControlName name) { return app.panel().text(name); }
    std::uint32_t colour(ControlName name) { return app.panel().at(name).colour; }
    const std::string& status() { return app.state().notices.status; }

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
        state().files.selected = name;
        app.press(ctl::file_list);
    }
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
