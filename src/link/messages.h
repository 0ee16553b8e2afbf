// Every text the link shows the operator, defined once; tests compare against these.
#pragma once

#include <cstdint>
#include <string>

#include "link/thread_priority.h"

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
// Another program (or this one, twice) holds the device.
inline std::string port_in_use(const std::string& device) { return "port in use: " + device; }
inline const std::string no_opener = "no serial ports on this system";
inline std::string bad_comm_number(const std::string& typed) {
    return "Comm number \"" + typed + "\" is not a port number (1 or above); the port is unchanged";
}
inline std::string position_unencodable(char axis) {
    return std::string("position of axis ") + axis + " is too large to send; message not sent";
}

// While on line: messages per second, the worst lateness over the last second
// and the sending thread's scheduling.
std::string rate(double per_second, double worst_late_ms, unsigned held, ThreadPriority priority);

inline const std::string priority_realtime = "real-time";
inline const std::string priority_high = "high priority";
inline const std::string priority_normal = "normal priority";
const std::string& priority_name(ThreadPriority p);

// Why the sending thread runs as it does: each request and its answer.
inline const std::string asked_direct = "real-time class from the system";
inline const std::string asked_broker_realtime = "real-time class from the broker";
inline const std::string asked_broker_high = "high priority from the broker";
inline const std::string no_broker = "no real-time broker";
inline std::string priority_answer(const std::string& asked, const PriorityAnswer& a) {
    return asked + (a.granted ? ": granted" : ": refused (" + a.error + ")");
}
inline std::string rttime_unusable(std::int64_t usec) {
    return "the broker's real-time CPU limit of " + std::to_string(usec) + " us is unusable";
}
inline std::string no_system_bus(const std::string& why) {
    return "no system bus" + (why.empty() ? std::string() : ": " + why);
}
inline std::string broker_property(const std::string& name, const std::string& why) {
    return "cannot read the broker's " + name + ": " + why;
}

}  // namespace kestrova::link_text
