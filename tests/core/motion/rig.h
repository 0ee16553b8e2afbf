// A started program for the motion tests, with short-hands for its state.
#pragma once

#include <gtest/gtest.h>

#include "shell/app.h"
#include "temp_dir.h"

namespace kestrova::test_support {

struct Rig {
    TempDir dir;
    App app{dir.path()};
    Rig() { app.start(); }

    AppState& s() { return app.state(); }
    EngineState& e() { return app.state().engine; }
    Panel& p() { return app.panel(); }
    const std::string& text(const std::string& name) { return p().text(name); }
    std::uint32_t colour(const std::string& name) { return p().at(name).colour; }
    const std::string& status() { return s().notices.status; }

    // A longer move than the default, tables and length alike.
    void resize_move(int frames) {
        s().move.create_tables(frames);
        s().move.totalframes = frames;
    }
};

}  // namespace kestrova::test_support
