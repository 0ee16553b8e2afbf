// Frames as time: the rig plays one frame per 40 ms step, 25 a second.
#pragma once

#include <string>

namespace kestrova {

inline constexpr double frames_per_second = 25;

// "= 10.00 s" for 250 frames, shown beside a box that holds the frames.
std::string frames_in_seconds(double frames);

}  // namespace kestrova
