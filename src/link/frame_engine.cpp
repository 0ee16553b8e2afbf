#include "link/frame_engine.h"

namespace kestrova {

void FrameEngine::step() {}

}  // namespace kestrova
