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
    const std::string& text(const std::string& name) { return app.panel().text(name); }
    std::uint32_t colour(const std::string& name) { return app.panel().at(name).colour; }
    const std::string& status() { return s().notices.status; }
};

}  // namespace kestrova::test_support
