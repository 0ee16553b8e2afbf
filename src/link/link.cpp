#include "link/link.h"

namespace kestrova {

Link::Link(AppState& state, std::unique_ptr<PortOpener> opener) : state_(state), opener_(std::move(opener)) {
    state_.notices.link = "off line";
}

bool Link::go_online(const std::string& device) {
    if (!opener_) {
        state_.notices.say("cannot open " + device + ": no serial ports on this system");
        return false;
    }
    std::string error;
    auto port = opener_->open(device, error);
    if (!port) {
        state_.notices.say("cannot open " + device + ": " + error);
        return false;
    }
    port_ = std::move(port);
    state_.engine.commsoff = false;
    state_.notices.link = "on line " + device;
    return true;
}

void Link::go_offline() {
    port_.reset();
    state_.engine.commsoff = true;
    state_.notices.link = "off line";
}

}  // namespace kestrova
