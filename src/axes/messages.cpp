#include "axes/messages.h"

#include "base/numeric.h"

namespace kestrova::axes_msg {

std::string out_of_range(int axis, std::string_view field, double value, std::string_view range) {
    std::string s = "axis ";
    s += "ABCDEFGH"[axis];
    s += ' ';
    s += field;
    s += ' ';
    s += num::to_text(value);
    s += " is outside ";
    s += range;
    return s;
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

}  // namespace kestrova::axes_msg
