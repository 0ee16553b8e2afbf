#include "axes/setup_dialog.h"

namespace kestrova {

void apply_setup_dialog(AppState&) {}

}  // namespace kestrova
