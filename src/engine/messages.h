// Status-bar texts of the frame engine, defined once; tests compare against these.
#pragma once

#include <string>

namespace kestrova::engine_msg {

inline const std::string target_clamped =
    "a play-back target lay outside its axis limits and was clamped to them";

}  // namespace kestrova::engine_msg
