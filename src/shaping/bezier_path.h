// The Bezier path: a cubic curve in the (frame, position) plane between every
// two neighbouring keyframes, sampled and then interpolated at whole frames.
#pragma once

#include "app/app_state.h"

namespace kestrova {

// One-dimensional cubic Bezier value, evaluated in double precision and
// returned in single precision, as every caller expects.
float bezier_point(float t, float p0, float p1, float p2, float p3);

// Number of samples a segment of d frames yields (the keyframes themselves
// excluded): the single-precision steps of 1/d summed until they reach 1.
int bezier_sample_count(int d);

// Handle share in percent from "Text3"; an entry outside 0 < p < 101 puts
// "20" back into the box.
double handle_share(AppState& state);

// Build the samples of axes A..E and resample them into movepos. Returns false
// (and changes nothing) when the keyframes lie on fewer than two frames.
bool calculate_bezier(MoveModel& move, double share, bool flat_extremes);

// The Bezier button and the "smooth" button of the Bezier frame.
void bezier_button(AppState& state);
void bezier_smooth_button(AppState& state);

}  // namespace kestrova
