// What the log says and how its lines read.
#pragma once

#include <string>

namespace kestrova::log_text {

inline const std::string log_file = "kestrova.log";

inline std::string cannot_write(const std::string& path) {
    return "Cannot write the log " + path + "; the program runs on without it";
}
inline std::string not_a_file(const std::string& path) {
    return "The log " + path + " is not a regular file (a pipe or a device?); the program runs on without it";
}
inline std::string status(const std::string& text) { return "status: " + text; }
inline std::string link(const std::string& state) { return "link: " + state; }
inline std::string rate(const std::string& figures) { return "link rate: " + figures; }

}  // namespace kestrova::log_text
