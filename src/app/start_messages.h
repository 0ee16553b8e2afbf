// Texts the program prints before its window starts.
#pragma once

#include <string>

namespace kestrova::start_msg {

inline constexpr const char* program_name = "kestrova";
// The per-user working folder's name below the XDG data folder.
inline constexpr const char* user_folder_name = "kestrova";

std::string help();
std::string version();  // "kestrova 0.1"

// Each refusal is one line, without the program name and the newline.
std::string no_display();
std::string unknown_option(const std::string& option);
std::string unexpected_argument(const std::string& argument);
std::string missing_value(const std::string& option);
std::string two_folders();
std::string no_such_folder(const std::string& folder);
std::string no_home();
std::string user_folder_failed(const std::string& folder, const std::string& reason);
std::string try_help();
// One program per working folder: a second one refuses to start.
std::string folder_in_use(const std::string& folder);
std::string folder_lock_failed(const std::string& folder);

}  // namespace kestrova::start_msg
