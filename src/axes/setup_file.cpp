#include "axes/setup_file.h"

namespace kestrova {

void load_setup(AppState&) {}

}  // namespace kestrova
