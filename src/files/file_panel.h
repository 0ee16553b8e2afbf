// The file panel: drive, folder and file lists and the name box that choose
// the move file for Load Move and Save Move. The window's lists show this
// state and forward the operator's choices to these functions.
#pragma once

#include <filesystem>
#include <string>

#include "files/files_context.h"

namespace kestrova {

// The folder of the move files under the working directory.
std::filesystem::path moves_folder(const std::filesystem::path& workdir);

// Point the folder list at the moves folder, creating the folder when it is
// missing (start-up).
void show_moves_folder(const FilesContext& c);

// "Load Move" and "Save Move": open the panel in that mode.
void open_panel_for_load(const FilesContext& c);
void open_panel_for_save(const FilesContext& c);

// The drive list's change: the folder list goes to the new drive's root. When
// that fails a message box (OK retries, Cancel returns the drive list to the
// drive of the folder shown) is raised.
void change_drive(const FilesContext& c, const std::string& root);

// The folder list's change: the file list follows it.
void change_folder(FilePanelState& files, const std::string& folder);

// The pick: a click on a file (its name in `files.selected`) or a change
// of the label of axis B's name. Saves or loads in the open mode, then closes the panel.
void pick_file(const FilesContext& c);

// Enter in the file name box: saves or loads the typed name in the open mode
// (nothing when the panel is closed), then closes the panel.
void typed_pick(const FilesContext& c);

// Cancel or Escape: the panel closes, nothing picked, loaded or saved.
void cancel_pick(const FilesContext& c);

// The listed drive whose root holds `path` (the longest matching root).
std::string drive_of(const FilePanelState& files, const std::string& path);

}  // namespace kestrova
