// The move length: "Set Total Frames" and Enter in "Text2".
#pragma once

#include "app/app_state.h"

namespace kestrova {

// Frames between two labels of the chart's frame axis for a move length.
int divisions_per_label(int totalframes);

// Apply the length in "Text2" without clearing the move first (Enter in the
// box). Returns false when the length was refused and nothing changed.
bool apply_total_frames(AppState& state);

}  // namespace kestrova
