#include "link/watched_port.h"

namespace kestrova {

Result<Written> WatchedPort::write(std::span<const std::uint8_t> bytes) {
    {
        std::lock_guard lock(mutex_);
        if (flow_ == Flow::stopped_unheard) return Written::not_at_all;
    }
    Result<Written> w = port_->write(bytes);
    if (!w) return w;
    std::lock_guard lock(mutex_);
    if (w.value() == Written::whole) {
        flow_ = Flow::reading;
        last_taken_.assign(bytes.begin(), bytes.end());
    } else if (flow_ == Flow::reading) {
        flow_ = Flow::stopped_unheard;
    }
    return w;
}

WatchedPort::Flow WatchedPort::flow() const {
    std::lock_guard lock(mutex_);
    return flow_;
}

void WatchedPort::stall_heard() {
    std::lock_guard lock(mutex_);
    if (flow_ == Flow::stopped_unheard) flow_ = Flow::stopped;
}

std::optional<Decoded> WatchedPort::last_taken() const {
    std::lock_guard lock(mutex_);
    return decode_message(last_taken_);
}

}  // namespace kestrova
