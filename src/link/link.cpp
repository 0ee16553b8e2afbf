#include "link/link.h"

#include "link/link_texts.h"
#include "link/paced_sender.h"
#include "motion/single_frame.h"

namespace kestrova {

Link::Link(AppState& state, std::unique_ptr<PortOpener> opener) : state_(state), opener_(std::move(opener)) {
    state_.notices.link = link_text::off_line;
}

Link::~Link() {
    if (transmitter_) transmitter_->attach(nullptr);
}

void Link::set_transmitter(Transmitter* t) {
    if (transmitter_) transmitter_->attach(nullptr);
    transmitter_ = t;
    if (transmitter_) transmitter_->attach(port_.get());
}

bool Link::go_online(const std::string& device) {
    if (port_ && port_->device() == device && !port_->lost()) return true;
    if (!opener_) {
        state_.notices.say(link_text::cannot_open(device, link_text::no_opener));
        return false;
    }
    std::string error;
    auto port = opener_->open(device, error);
    if (!port) {
        state_.notices.say(link_text::cannot_open(device, error));
        return false;
    }
    if (transmitter_) transmitter_->attach(nullptr);
    port_ = std::move(port);
    if (transmitter_) transmitter_->attach(port_.get());
    meter_.clear();
    state_.engine.commsoff = false;
    state_.notices.link = link_text::on_line(device);
    state_.notices.link_rate.clear();
    return true;
}

void Link::go_offline() {
    if (transmitter_) transmitter_->attach(nullptr);
    port_.reset();
    state_.engine.commsoff = true;
    state_.notices.link = link_text::off_line;
    state_.notices.link_rate.clear();
}

bool Link::check_lost() {
    if (port_ && port_->lost()) lose();
    return port_ == nullptr;
}

void Link::lose() {
    const std::string device = port_->device();
    const std::string why = port_->error();
    if (transmitter_) transmitter_->attach(nullptr);
    port_.reset();
    state_.engine.commsoff = true;
    state_.notices.link = link_text::port_lost;
    state_.notices.link_rate.clear();
    stop_motion_keep_positions(state_);
    state_.notices.say(link_text::lost(device, why));
}

std::optional<std::uint8_t> Link::receive() {
    if (state_.engine.commsoff || check_lost()) return std::nullopt;
    const auto bytes = port_->read_all();
    if (check_lost()) return std::nullopt;
    if (port_->bytes_waiting() > receive_backlog_limit) port_->clear_input();
    if (bytes.empty()) return std::nullopt;
    return bytes.front();
}

void Link::send(const Message& m) {
    if (state_.engine.commsoff || check_lost()) return;
    if (transmitter_) {
        transmitter_->put(m);
    } else {
        const auto now = RateMeter::Clock::now();
        if (!port_->write(m.view())) {
            lose();
            return;
        }
        meter_.record(now, now);
    }
    refresh_rate();
}

void Link::refresh_rate() {
    RateFigures f = transmitter_ ? transmitter_->figures() : meter_.figures(RateMeter::Clock::now());
    state_.notices.link_rate = link_text::rate(f.per_second, f.worst_late_ms, f.repeated, priority().level);
}

PriorityOutcome Link::priority() const {
    // Without a transmitter the caller's thread sends, and nothing raised it.
    return transmitter_ ? transmitter_->priority() : PriorityOutcome{};
}

void stop_motion_keep_positions(AppState& state) {
    EngineState& e = state.engine;
    e.running = false;
    e.restartflag = false;
    e.posmoving = false;
    e.hometarget = false;
    e.entrytarget = false;
    e.gotoactive = false;
    if (e.sfrun) end_single_frame(state);  // also puts its button and lamp back
    e.fkeydown.fill(false);
    e.fkeyup.fill(false);
    e.jog.fill(0);
    for (int a = 0; a < move_axes; ++a) {
        const auto i = static_cast<std::size_t>(a);
        e.curpos[i] = e.last_sent[i];
        e.lastpos[i] = e.last_sent[i];
    }
}

}  // namespace kestrova
