// The ports the Comm menu offers: the last one used first, then the system's,
// with the one on line now among them even when the system lists it not
// (a pseudo-terminal, a typed device).
#pragma once

#include <string>
#include <vector>

namespace kestrova {

std::vector<std::string> port_choices(const std::vector<std::string>& listed, const std::string& on_line,
                                      const std::string& last_used);

}  // namespace kestrova
