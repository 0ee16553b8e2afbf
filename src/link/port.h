// The serial line to the rig's controller, as the engine sees it. The program
// uses a QSerialPort behind this; tests use a pseudo-terminal or a fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"

namespace kestrova {

// What became of a message handed to a port.
enum class Written {
    whole,       // the device took it (a part the line could not take yet goes before anything else)
    not_at_all,  // the device takes nothing now: nothing of it was written
};

// True when `w` says the device took the message.
inline bool taken(const Result<Written>& w) { return w && w.value() == Written::whole; }

// write() may be called from the frame clock's sending thread while the other
// members run on the window's thread; implementations allow exactly that.
class Port {
public:
    virtual ~Port() = default;
    virtual std::string device() const = 0;
    // Write one message whole or not at all, without waiting: not at all while
    // more than two messages wait in the device's output queue or a write would
    // block. A failure means the port is lost; the error says why.
    virtual Result<Written> write(std::span<const std::uint8_t> bytes) = 0;
    // Everything received so far, as bytes.
    virtual std::vector<std::uint8_t> read_all() = 0;
    // Bytes still waiting in the receive buffer, and emptying it.
    virtual std::size_t bytes_waiting() const = 0;
    virtual void clear_input() = 0;
    // True once the port has reported an error; it is then closed and unusable.
    virtual bool lost() const = 0;
    // Why it was lost, for the status bar.
    virtual std::string error() const { return {}; }
};

// Opens ports by device path and lists the ports the system has.
class PortOpener {
public:
    virtual ~PortOpener() = default;
    // The open port, or why it cannot be opened.
    virtual Result<std::unique_ptr<Port>> open(const std::string& device) = 0;
    virtual std::vector<std::string> list() const = 0;
};

}  // namespace kestrova
