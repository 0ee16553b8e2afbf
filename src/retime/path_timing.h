// The pace along a path: how far along the old frames (a path parameter s,
// from 1 to the last old frame) each new frame gets, as fast as the limits
// allow. Forward and backward passes over the old path's segments, in whole
// new frames, from rest to rest.
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
// cap[i] and slow[i] belong to the segment from old frame i + 1 to i + 2:
// cap bounds how many old frames one new frame may cover there, slow scales
// that segment's pace down further. A new frame lands exactly on each of the
// old frames in `stops` (ascending). Empty when the path would take more than
// `most_frames` frames.
std::vector<double> pace_path(const PathPoints& path, const PathLimits& limits, const std::vector<double>& cap,
                              const std::vector<double>& slow, const std::vector<double>& stops, int most_frames);

}  // namespace kestrova
