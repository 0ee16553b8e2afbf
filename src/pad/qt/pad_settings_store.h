// The gamepad's settings kept in the program's settings (beside the window
// geometry), read at start and written whenever the operator changes them;
// a settings file that cannot be written is said.
#pragma once

#include "base/notices.h"
#include "pad/gamepad.h"

namespace kestrova {

void keep_pad_settings(Gamepad& pad, Notices& notices);

}  // namespace kestrova
