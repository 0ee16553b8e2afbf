#include "files/file_panel.h"

namespace kestrova {

void show_moves_folder(AppState& state) { state.files.folder = (state.workdir / "moves").string(); }

}  // namespace kestrova
