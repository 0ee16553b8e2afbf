// Status-bar texts of the developer tools.
#pragma once

#include <string>

namespace kestrova::tools_msg {

std::string written(const std::string& path);
std::string write_failed(const std::string& path, const std::string& reason);

}  // namespace kestrova::tools_msg
