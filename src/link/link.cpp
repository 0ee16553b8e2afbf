#include "link/link.h"

#include "link/messages.h"
#include "link/paced_sender.h"

namespace kestrova {

Link::Link(LinkState& state, Notices& notices, std::unique_ptr<PortOpener> opener)
    : state_(state), notices_(notices), opener_(std::move(opener)) {
    notices_.link = link_text::off_line;
}

Link::~Link() {
    if (transmitter_) transmitter_->attach(nullptr);
}

void Link::set_transmitter(Transmitter* t) {
    if (transmitter_) transmitter_->attach(nullptr);
    transmitter_ = t;
    if (transmitter_) transmitter_->attach(port_.get());
}

Result<> Link::go_online(const std::string& device) {
    if (port_ && port_->device() == device && !port_->lost()) return {};
    Result<std::unique_ptr<Port>> port =
        opener_ ? opener_->open(device) : Result<std::unique_ptr<Port>>(fail(link_text::no_opener));
    if (!port) {
        const std::string why = port.error() == link_text::port_in_use(device)
                                    ? port.error()
                                    : link_text::cannot_open(device, port.error());
        notices_.say(why);
        return fail(why);
    }
    if (transmitter_) transmitter_->attach(nullptr);
    port_ = std::make_unique<WatchedPort>(std::move(port).value());
    if (transmitter_) transmitter_->attach(port_.get());
    stall_reported_ = false;
    meter_.clear();
    state_.commsoff = false;
    notices_.link = link_text::on_line(device);
    notices_.link_rate.clear();
    return {};
}

void Link::go_offline() {
    if (transmitter_) transmitter_->attach(nullptr);
    port_.reset();
    state_.commsoff = true;
    notices_.link = link_text::off_line;
    notices_.link_rate.clear();
}

bool Link::check_lost() {
    if (port_ && port_->lost()) lose();
    return port_ == nullptr;
}

void Link::lose() {
    const std::string device = port_->device();
    const std::string why = port_->error();
    const std::optional<Decoded> last = port_->last_taken();
    if (transmitter_) transmitter_->attach(nullptr);
    port_.reset();
    state_.commsoff = true;
    notices_.link = link_text::port_lost;
    notices_.link_rate.clear();
    if (hooks_.port_lost) hooks_.port_lost(last);
    notices_.say(link_text::lost(device, why));
}

// Said once per stall. The message waiting for the next deadline was built for
// a rig that moved on; it is dropped, and only what the engine builds after
// the motion stopped goes out once the rig reads again. Until then nothing may
// move: the rig would jump when it reads again.
void Link::watch_flow() {
    const std::string device = port_->device();
    const WatchedPort::Flow flow = port_->flow();
    if (flow == WatchedPort::Flow::reading) {
        if (stall_reported_) notices_.link = link_text::on_line(device);
        stall_reported_ = false;
        return;
    }
    if (hooks_.rig_not_reading) hooks_.rig_not_reading(port_->last_taken());
    if (flow == WatchedPort::Flow::stopped) return;
    if (transmitter_) transmitter_->attach(port_.get());
    port_->stall_heard();
    stall_reported_ = true;
    notices_.link = link_text::not_reading(device);
    notices_.say(link_text::not_reading(device));
}

std::optional<std::uint8_t> Link::receive() {
    if (state_.commsoff || check_lost()) return std::nullopt;
    watch_flow();
    const auto bytes = port_->read_all();
    if (check_lost()) return std::nullopt;
    if (port_->bytes_waiting() > receive_backlog_limit) port_->clear_input();
    if (bytes.empty()) return std::nullopt;
    return bytes.front();
}

void Link::send(const Message& m) {
    if (state_.commsoff || check_lost()) return;
    if (transmitter_) {
        transmitter_->put(m);
    } else {
        const auto now = RateMeter::Clock::now();
        const Result<Written> w = port_->write(m.view());
        if (!w) {
            lose();
            return;
        }
        if (w.value() == Written::whole) meter_.record(now, now);
    }
    refresh_rate();
}

void Link::refresh_rate() {
    RateFigures f = transmitter_ ? transmitter_->figures() : meter_.figures(RateMeter::Clock::now());
    notices_.link_rate = link_text::rate(f.per_second, f.worst_late_ms, f.repeated, priority().level);
}

PriorityOutcome Link::priority() const {
    // Without a transmitter the caller's thread sends, and nothing raised it.
    return transmitter_ ? transmitter_->priority() : PriorityOutcome{};
}

}  // namespace kestrova
