#pragma once

namespace kestrova {

struct ShapingState {
    bool bzsmooth = false;   // flat tangents at peaks and troughs
    double smoothwidth = 0;  // half-width of the averaging window, last read
    int smoothpasses = 0;    // passes, last read
};

}  // namespace kestrova
