// Status-bar texts of the move files and the file panel.
#pragma once

#include <string>

namespace kestrova::files_msg {

std::string no_name(const std::string& operation);                     // empty move name
std::string bad_name(const std::string& operation, const std::string& name);  // a path, "." or ".."
std::string no_folder(const std::string& operation, const std::string& folder);
std::string save_failed(const std::string& path, const std::string& reason);
std::string saved(const std::string& path);
std::string load_refused(const std::string& path, const std::string& reason);
std::string loaded(const std::string& path);
std::string export_failed(const std::string& path, const std::string& reason);
std::string exported(const std::string& path);
std::string import_refused(const std::string& path, const std::string& reason);
std::string imported(const std::string& path, int frames);
std::string moves_folder_failed(const std::string& folder, const std::string& reason);

// The message box of a failed drive change.
inline constexpr const char* drive_box_title = "No Data";
std::string drive_box_text(int error_number, const std::string& description);

}  // namespace kestrova::files_msg
