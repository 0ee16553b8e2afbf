// Writing messages to a POSIX terminal file descriptor (a serial device or one
// end of a pseudo-terminal), raw mode at 115200 8N1 without flow control, and
// the pseudo-terminal pair the rig simulator and the tests stand in with.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/port.h"

namespace kestrova {

// One message to the non-blocking descriptor `fd`, whole or not at all (see
// Port::write). `unsent` carries the rest of a message the line took only in
// part; it goes out before anything else. A failure gives the system's reason.
Result<Written> write_whole(int fd, std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& unsent);

// The system's reason the line on `fd` no longer works, or `otherwise`.
std::string line_failure(int fd, const std::string& otherwise);

// Raw 8N1 at 115200 baud, no flow control, non-blocking reads.
Result<> make_raw_terminal(int fd);

// A pseudo-terminal pair: the controlling side (`master`) and the path of the
// device side, which a program opens like a serial port.
struct PtyPair {
    int master = -1;
    int device_fd = -1;  // kept open so the pair outlives the program's own open/close
    std::string path;
};
Result<PtyPair> open_pty_pair();

}  // namespace kestrova
