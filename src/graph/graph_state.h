#pragma once

#include <array>

#include "axes/axis_settings.h"

namespace kestrova {

struct GraphState {
    bool speedmode = false;                 // draw graphpos (speed) instead of movepos
    std::array<bool, axis_count> showaxis{};  // axis i drawn; hidden axes draw flat at 0
    unsigned revision = 0;                  // bumped by every draw; the chart view redraws on change
    int divisions_per_label = 150;          // frames between labels on the frame axis
};

}  // namespace kestrova
