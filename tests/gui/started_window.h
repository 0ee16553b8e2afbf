// A started program with its main window shown offscreen.
#pragma once

#include <memory>

#include "app/qt/main_window.h"
#include "started_app.h"

namespace kestrova::test_support {

struct StartedWindow : StartedApp {
    std::unique_ptr<MainWindow> window;
    StartedWindow() : window(std::make_unique<MainWindow>(app)) { window->show(); }
    // Main-window controls only: the setup and help windows reuse some names.
    template <class W>
    W* find(const char* name) {
        return window->centralWidget()->findChild<W*>(QString::fromLatin1(name));
    }
};

}  // namespace kestrova::test_support
