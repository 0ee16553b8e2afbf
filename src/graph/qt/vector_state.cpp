#include "graph/qt/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace kestrova {

namespace {

__attribute__((target("avx"))) void zero_upper() { _mm256_zeroupper(); }

const bool has_avx = __builtin_cpu_supports("avx");

}  // namespace

void clear_upper_vector_state() {
    if (has_avx) zero_upper();
}

}  // namespace kestrova

#else

namespace kestrova {
void clear_upper_vector_state() {}
}  // namespace kestrova

#endif
