// The program's connection to the controller: off line, on line on a device,
// or lost. Owns the open port.
#pragma once

#include <memory>
#include <string>

#include "link/port.h"
#include "shell/app_state.h"

namespace kestrova {

class Link {
public:
    Link(AppState& state, std::unique_ptr<PortOpener> opener);

    // Open `device` and go on line. On failure the previous port stays in use
    // (or the program stays off line) and the reason goes to the status bar.
    bool go_online(const std::string& device);
    void go_offline();
    Port* port() { return port_.get(); }
    PortOpener* opener() { return opener_.get(); }

private:
    AppState& state_;
    std::unique_ptr<PortOpener> opener_;
    std::unique_ptr<Port> port_;
};

}  // namespace kestrova
