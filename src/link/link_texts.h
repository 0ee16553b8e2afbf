// Every text the link shows the operator, defined once; tests compare against these.
#pragma once

#include <string>

namespace kestrova::link_text {

inline const std::string off_line = "off line";
inline const std::string port_lost = "port lost";
inline std::string on_line(const std::string& device) { return "on line " + device; }

inline std::string cannot_open(const std::string& device, const std::string& why) {
    return "cannot open " + device + ": " + why;
}
inline std::string lost(const std::string& device, const std::string& why) {
    return "port lost: " + device + (why.empty() ? std::string() : " (" + why + ")") +
           "; motion stopped, positions kept. Reconnect from the Comm menu.";
}
// The rig takes no more messages; the link stays open and sends again when it reads.
inline std::string not_reading(const std::string& device) { return "rig not reading: " + device; }
inline const std::string no_opener = "no serial ports on this system";
inline const std::string not_serial = "not a serial device";
inline const std::string far_end_closed = "the other end closed the line";
inline std::string bad_comm_number(const std::string& typed) {
    return "Comm number \"" + typed + "\" is not a port number (1 or above); the port is unchanged";
}
inline std::string position_unencodable(char axis) {
    return std::string("position of axis ") + axis + " is too large to send; message not sent";
}

// While on line: messages per second and the worst lateness over the last second.
std::string rate(double per_second, double worst_late_ms, unsigned held);

}  // namespace kestrova::link_text
