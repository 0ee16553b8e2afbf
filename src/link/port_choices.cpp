#include "link/port_choices.h"

#include <algorithm>

namespace kestrova {

std::vector<std::string> port_choices(const std::vector<std::string>& listed, const std::string& on_line,
                                      const std::string& last_used) {
    std::vector<std::string> out;
    auto offer = [&out](const std::string& device) {
        if (!device.empty() && std::find(out.begin(), out.end(), device) == out.end()) out.push_back(device);
    };
    offer(last_used);
    offer(on_line);
    for (const std::string& device : listed) offer(device);
    return out;
}

}  // namespace kestrova
