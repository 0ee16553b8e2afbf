// Stands between the link and its port and notes, for the window's thread,
// what became of the writes the sending thread makes: whether the rig still
// takes messages, and the last message it took. Once the rig takes nothing,
// nothing more is tried until the link has heard of it, so no message built
// before the stall goes out after it; from then on each write tries whether
// the rig reads again.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "link/wire_message.h"
#include "link/port.h"

namespace kestrova {

class WatchedPort final : public Port {
public:
    enum class Flow { reading, stopped_unheard, stopped };

    explicit WatchedPort(std::unique_ptr<Port> port) : port_(std::move(port)) {}

    std::string device() const override { return port_->device(); }
    Result<Written> write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read_all() override { return port_->read_all(); }
    std::size_t bytes_waiting() const override { return port_->bytes_waiting(); }
    void clear_input() override { port_->clear_input(); }
    bool lost() const override { return port_->lost(); }
    std::string error() const override { return port_->error(); }

    Flow flow() const;
    // The link has stopped the motion: writes may try the rig again.
    void stall_heard();
    // The last message the rig took, as it reads it.
    std::optional<Decoded> last_taken() const;

private:
    std::unique_ptr<Port> port_;
    mutable std::mutex mutex_;
    Flow flow_ = Flow::reading;
    std::vector<std::uint8_t> last_taken_;
};

}  // namespace kestrova
