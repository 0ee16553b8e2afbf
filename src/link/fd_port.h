// A Port over a POSIX terminal file descriptor (a serial device or one end of
// a pseudo-terminal), in raw mode at 115200 8N1 without flow control.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "link/port.h"

namespace kestrova {

class FdPort : public Port {
public:
    // Takes ownership of `fd`.
    FdPort(int fd, std::string device);
    ~FdPort() override;
    FdPort(const FdPort&) = delete;
    FdPort& operator=(const FdPort&) = delete;

    std::string device() const override { return device_; }
    Result<Written> write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read_all() override;
    std::size_t bytes_waiting() const override;
    void clear_input() override;
    bool lost() const override { return lost_.load(); }
    std::string error() const override;

private:
    void lose(const std::string& why);
    bool hung_up() const;

    int fd_;
    std::string device_;
    std::atomic<bool> lost_{false};
    mutable std::mutex error_mutex_;
    std::string error_;
    std::vector<std::uint8_t> unsent_;  // the rest of a message the line took only in part
};

// One message to the non-blocking descriptor `fd`, whole or not at all (see
// Port::write). `unsent` carries the rest of a message the line took only in
// part; it goes out before anything else. A failure gives the system's reason.
Result<Written> write_whole(int fd, std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& unsent);

// The system's reason the line on `fd` no longer works, or `otherwise`.
std::string line_failure(int fd, const std::string& otherwise);

// Raw 8N1 at 115200 baud, no flow control, non-blocking reads.
Result<> make_raw_terminal(int fd);

// Opens device paths with the settings above; lists /dev/ttyS*, ttyUSB*, ttyACM*.
class PosixPortOpener : public PortOpener {
public:
    Result<std::unique_ptr<Port>> open(const std::string& device) override;
    std::vector<std::string> list() const override;
};

// A pseudo-terminal pair: the controlling side (`master`) and the path of the
// device side, which a program opens like a serial port.
struct PtyPair {
    int master = -1;
    int device_fd = -1;  // kept open so the pair outlives the program's own open/close
    std::string path;
};
Result<PtyPair> open_pty_pair();

}  // namespace kestrova
