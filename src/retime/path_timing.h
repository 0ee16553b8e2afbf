// The pace along a path: how far along the old frames (a path parameter s,
// from 1 to the last old frame) each new frame gets, as fast as the limits
// allow. The path is cut into straight legs; a new frame lands on the end of
// every leg, so that each step runs along one straight line and the limits
// become bounds on one number per step. A backward pass finds the largest step
// that may land on each leg's end, a forward pass takes each step as large as
// the limits and the braking still to come allow, with the fewest frames per leg.
#pragma once

#include <array>
#include <vector>

#include "move/move_model.h"

namespace kestrova {

using PathPoints = std::vector<std::array<double, move_axes>>;  // old frame f at [f - 1]

struct PathLimits {
    std::array<double, move_axes> speed{};  // pulses per frame
    std::array<double, move_axes> acc{};    // pulses per frame per frame
};

// s at new frames 1, 2, ... (index 0 holds 1, the last the old path's end).
// cap[i] bounds how many old frames one new frame may cover on the segment
// from old frame i + 1 to i + 2. A new frame lands exactly on each of the old
// frames in `stops` (ascending). Empty when the path would take more than
// `most_frames` frames.
std::vector<double> pace_path(const PathPoints& path, const PathLimits& limits, const std::vector<double>& cap,
                              const std::vector<double>& stops, int most_frames);

}  // namespace kestrova
