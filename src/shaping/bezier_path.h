// The Bezier path: a cubic curve in the (frame, position) plane between every
// two neighbouring keyframes, sampled and then interpolated at whole frames.
#pragma once

#include "base/panel.h"
#include "base/result.h"
#include "move/move_model.h"
#include "shaping/shaping_context.h"

namespace kestrova {

// One-dimensional cubic Bezier value, evaluated in double precision and
// returned in single precision, as every caller expects.
float bezier_point(float t, float p0, float p1, float p2, float p3);

// Number of samples a segment of d frames yields (the keyframes themselves
// excluded): the single-precision steps of 1/d summed until they reach 1.
int bezier_sample_count(int d);

// Handle share in percent from its box; an entry outside 0 < p < 101 puts
// "20" back into the box.
double handle_share(const ShapingContext& ctx);

// Build the samples of axes A..E and resample them into movepos. Refused (and
// nothing changed) when an axis has its keyframes on fewer than two frames.
Result<> calculate_bezier(MoveModel& move, double share, bool flat_extremes);

// The Bezier button, and the "smooth" button of the Bezier frame, which makes
// the tangents flat at peaks and troughs from then on.
Result<> make_bezier(ShapingContext& ctx);
Result<> make_bezier_flat_extremes(ShapingContext& ctx);

}  // namespace kestrova
