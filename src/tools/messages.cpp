#include "tools/messages.h"

namespace kestrova::tools_msg {

std::string written(const std::string& path) { return "Lookup table written to " + path; }
std::string write_failed(const std::string& path, const std::string& reason) {
    return "Lookup table not written to " + path + ": " + reason;
}

}  // namespace kestrova::tools_msg
