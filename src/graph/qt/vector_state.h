// Qt's string hash (qHashBits) takes a 256-bit AES path on CPUs with VAES and
// returns without clearing the upper halves of the vector registers. Until
// something clears them, every legacy-SSE instruction in this thread pays for
// the mixed state: atan2, which the chart calls for every line segment it
// draws, runs about fifteen times slower. The chart clears the state before it
// hands its points to Qt and before it paints.
#pragma once

namespace kestrova {

// vzeroupper where the CPU has AVX; nothing elsewhere.
void clear_upper_vector_state();

}  // namespace kestrova
