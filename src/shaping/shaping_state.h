#pragma once

#include <optional>

namespace kestrova {

struct ShapingState {
    bool bzsmooth = false;   // flat tangents at peaks and troughs
    double smoothwidth = 0;  // half-width of the averaging window, last read
    int smoothpasses = 0;    // passes, last read
    // The boxes, each read by its own reading (shaping_commands.cpp).
    double handle_share = 20;             // by its leading number
    std::optional<double> width_entry;    // smoothing width as one number, else nothing
    std::optional<double> passes_entry;   // smoothing passes as one number, else nothing
};

}  // namespace kestrova
