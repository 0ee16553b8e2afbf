// A started program in a temporary working folder, with helpers to shape a
// move and to read the files it writes.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "files/file_io.h"
#include "shell/app.h"
#include "temp_dir.h"

namespace kestrova::test_support {

struct Started {
    TempDir dir;
    App app{dir.path()};
    Started() { app.start(); }

    AppState& state() { return app.state(); }
    MoveModel& move() { return app.state().move; }
    std::filesystem::path moves() const { return dir.path() / "moves"; }
    Bytes file(const std::string& name) const { return read_file(moves() / name).bytes; }

    void set_length(int frames) {
        app.type("Text2", std::to_string(frames));
        app.press("Command21");
    }
    void add_keyframe(int frame, std::array<double, 5> pose) {
        for (int a = 0; a < 5; ++a) state().engine.curpos[static_cast<std::size_t>(a)] = pose[static_cast<std::size_t>(a)];
        app.type("Text1", std::to_string(frame));
        app.press("Command3");
    }
    // Save Move under a typed name, as the operator does.
    void save_as(const std::string& name) {
        app.press("save");
        app.type("Fname", name);
        app.key_down("Fname", 13);
    }
    // Load Move by clicking the file in the list.
    void load(const std::string& name) {
        app.press("Load");
        state().files.selected = name;
        app.press("File1");
    }
};

inline void write_bytes(const std::filesystem::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline std::int32_t le32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
                                     (static_cast<std::uint32_t>(b[at + 2]) << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

}  // namespace kestrova::test_support
