// Undo and redo of the move, and the move check after every command.
#pragma once

#include <functional>

#include "app/app_state.h"

namespace kestrova {

// Wrap every command of the main window and the setup dialog: a change of the
// move becomes an undo step, and the move is checked against the settings.
void install_editing(AppState& state);

void undo_move(AppState& state);
void redo_move(AppState& state);

// Save the move over the file it last equalled. False, with the file panel
// opened for a name, when it has none yet.
bool save_move_again(AppState& state);

// File menu commands outside the panel: an import and a recent move are
// undoable steps; each reports on the status bar.
bool export_csv_file(AppState& state, const std::filesystem::path& path);
bool import_csv_file(AppState& state, const std::filesystem::path& path);
bool load_recent_move(AppState& state, const std::filesystem::path& path);

// Check the move against the axis settings and word the result.
void update_move_check(AppState& state);

// Run's question: a move that breaks a position limit or the maximum speed at
// the divider Run has just taken plays only after "Play anyway?" is answered OK.
void ask_before_playing(AppState& state, std::function<void()> play);

}  // namespace kestrova
