// What the CSV reader says when it refuses a file.
#pragma once

#include <string>

namespace kestrova::csv_text {

inline std::string at_line(std::size_t line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}
inline const std::string no_header = "the header \"frame,<names of A..E>\" is missing";
inline const std::string columns = "expected a frame number and five positions";
inline const std::string not_a_number = "not a number";
inline const std::string out_of_range = "a position beyond the 32-bit range";
inline const std::string out_of_order = "frames must run 1, 2, 3, .. in order";
inline const std::string too_long = "longer than 4096 characters";
inline const std::string no_rows = "no frames after the header";
inline const std::string too_many = "more than 32766 frames";
inline const std::string changed = "the file changed while it was read; import it again once it is written";

}  // namespace kestrova::csv_text
