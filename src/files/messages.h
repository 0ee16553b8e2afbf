// Status-bar texts of the move files and the file panel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kestrova::files_msg {

std::string no_name(const std::string& operation);                     // empty move name
std::string bad_name(const std::string& operation, const std::string& name);  // a path, "." or ".."
std::string program_file_name(const std::string& operation, const std::string& name);
std::string no_folder(const std::string& operation, const std::string& folder);
std::string save_failed(const std::string& path, const std::string& reason);
std::string saved(const std::string& path);
std::string replace_declined(const std::string& path);
std::string load_refused(const std::string& path, const std::string& reason);
std::string loaded(const std::string& path);
std::string export_failed(const std::string& path, const std::string& reason);
std::string exported(const std::string& path);
std::string import_refused(const std::string& path, const std::string& reason);
std::string imported(const std::string& path, int frames);
std::string csv_export_failed(const std::string& path, const std::string& reason);
std::string csv_import_refused(const std::string& path, const std::string& reason);  // names the line
inline const std::string too_large = "it is too large";
std::string moves_folder_failed(const std::string& folder, const std::string& reason);

// Why a move file's bytes are refused.
std::string too_few_bytes(std::size_t size);
std::string length_outside(int frames);
std::string bad_count_tag(int tag);
std::string shorter_than_length(std::size_t size, std::size_t needed, int frames);
std::string length_disagrees(std::size_t size, std::size_t needed, int frames);
std::string count_outside(int count, int frames);
std::string keyframe_outside(int row, int axis, std::int32_t frame, int frames);
std::string keyframe_not_after(int row, int axis, std::int32_t frame, std::int32_t previous);
std::string no_number(int frame, int axis);
std::string position_beyond(int frame, int axis, double value);
// Why the move cannot be saved.
std::string move_length_outside(int frames);
std::string too_many_keyframes(int count, int frames);

// The question before Save Move writes over another move's file.
inline constexpr const char* replace_box_title = "Save Move";
std::string replace_question(const std::string& name);

// The file panel's title while it is open.
inline constexpr const char* load_title = "Load: pick a move, or type its name and press Enter";
inline constexpr const char* save_title = "Save: pick a move to replace, or type a new name and press Enter";

// The message box of a failed drive change.
inline constexpr const char* drive_box_title = "No Data";
std::string drive_box_text(int error_number, const std::string& description);

}  // namespace kestrova::files_msg
