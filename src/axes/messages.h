// Status-bar texts of the axis configuration.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrova::axes_msg {

inline constexpr const char* setup_file_name = "stats.ini";

// The fields as the messages name them.
inline constexpr const char* pulses_field = "pulses/unit";
inline constexpr const char* speed_field = "max speed";
inline constexpr const char* acceleration_field = "acceleration";
inline constexpr const char* fspeed_field = "F speed";
inline constexpr const char* min_field = "min pos";
inline constexpr const char* max_field = "max pos";

// A setting that does not fit where it must go, e.g. "axis C acceleration 40000
// is outside -32768..32767".
std::string out_of_range(int axis, std::string_view field, double value, std::string_view range);

// A limit pair the wrong way round: "axis A min pos 500 is above max pos -500".
std::string min_above_max(int axis, double min, double max);
// A dialog box whose text is not one number: "axis B max pos "abc" is not a number".
std::string not_a_number(int axis, std::string_view field, std::string_view text);

// A setup file shorter than its fields.
std::string too_short(std::size_t size, std::size_t needed);

std::string save_refused(const std::string& reason);    // Save Setup, nothing written
std::string save_failed(const std::string& reason);     // Save Setup, file system error
std::string saved();
std::string load_missing();                             // Load Setup without a file
std::string load_refused(const std::string& reason);    // short, unreadable or bad file
std::string loaded();
std::string apply_refused(const std::string& reason);   // setup dialog values not applied

// Pulses per unit and the toggles as kept in the program's settings.
std::string kept_unreadable(const std::string& key, const std::string& value);

}  // namespace kestrova::axes_msg
