#include "axes/messages.h"

#include "base/numeric.h"

namespace kestrova::axes_msg {

namespace {

// "axis C acceleration"
std::string axis_field(int axis, std::string_view field) {
    std::string s = "axis ";
    s += "ABCDEFGH"[axis];
    s += ' ';
    s += field;
    return s;
}

}  // namespace

std::string out_of_range(int axis, std::string_view field, double value, std::string_view range) {
    return axis_field(axis, field) + " " + num::to_text(value) + " is outside " + std::string(range);
}

std::string min_above_max(int axis, double min, double max) {
    return axis_field(axis, min_field) + " " + num::to_text(min) + " is above " + max_field + " " + num::to_text(max);
}

std::string not_a_number(int axis, std::string_view field, std::string_view text) {
    return axis_field(axis, field) + " \"" + std::string(text) + "\" is not a number";
}

std::string too_short(std::size_t size, std::size_t needed) {
    return "it has " + std::to_string(size) + " bytes, fewer than " + std::to_string(needed);
}

std::string save_refused(const std::string& reason) {
    return "Save Setup refused: " + reason + "; stats.ini unchanged";
}
std::string save_failed(const std::string& reason) {
    return "Save Setup failed: " + reason + "; stats.ini unchanged";
}
std::string saved() { return "Setup saved to stats.ini"; }
std::string load_missing() { return "Load Setup: stats.ini not found; settings unchanged"; }
std::string load_refused(const std::string& reason) {
    return "stats.ini not loaded: " + reason + "; settings unchanged";
}
std::string loaded() { return "Setup loaded from stats.ini"; }
std::string apply_refused(const std::string& reason) {
    return "Setup not applied: " + reason + "; settings unchanged";
}

std::string kept_unreadable(const std::string& key, const std::string& value) {
    return "Kept axis settings not restored: " + key + " \"" + value +
           "\" cannot be read; pulses per unit and the enable and reverse toggles start at their defaults";
}

}  // namespace kestrova::axes_msg
