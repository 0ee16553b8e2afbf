#include "files/messages.h"

#include "base/numeric.h"
#include "move/move_model.h"

namespace kestrova::files_msg {

std::string no_name(const std::string& operation) { return operation + ": no file name given"; }
std::string bad_name(const std::string& operation, const std::string& name) {
    return operation + ": \"" + name + "\" is not a file name";
}
std::string program_file_name(const std::string& operation, const std::string& name) {
    return operation + ": \"" + name + "\" is a name the program keeps for its own files; choose another";
}
std::string no_folder(const std::string& operation, const std::string& folder) {
    return operation + ": the folder " + folder + " does not exist";
}
std::string save_failed(const std::string& path, const std::string& reason) {
    return "Save Move failed for " + path + ": " + reason + "; the file is unchanged";
}
std::string saved(const std::string& path) { return "Move saved to " + path; }
std::string replace_declined(const std::string& path) { return "Save Move cancelled: " + path + " was not replaced"; }
std::string replace_question(const std::string& name) { return "Replace " + name + "?"; }
std::string load_refused(const std::string& path, const std::string& reason) {
    return "Move file " + path + " not loaded: " + reason + "; the move is unchanged";
}
std::string loaded(const std::string& path) { return "Move loaded from " + path; }
std::string export_failed(const std::string& path, const std::string& reason) {
    return "Export Ascii failed for " + path + ": " + reason;
}
std::string exported(const std::string& path) { return "Move exported to " + path; }
std::string import_refused(const std::string& path, const std::string& reason) {
    return "Import Ascii refused " + path + ": " + reason + "; the move is unchanged";
}
std::string imported(const std::string& path, int frames) {
    return "Imported " + std::to_string(frames) + " frames from " + path;
}
std::string csv_export_failed(const std::string& path, const std::string& reason) {
    return "Export CSV failed for " + path + ": " + reason;
}
std::string csv_import_refused(const std::string& path, const std::string& reason) {
    return "Import CSV refused " + path + ": " + reason + "; the move is unchanged";
}
std::string moves_folder_failed(const std::string& folder, const std::string& reason) {
    return "The folder " + folder + " cannot be created: " + reason;
}
std::string too_few_bytes(std::size_t size) {
    return "it has " + std::to_string(size) + " bytes, too few for a move file";
}
std::string length_outside(int frames) {
    return "its move length " + std::to_string(frames) + " is outside 1.." + std::to_string(max_frames);
}
std::string bad_count_tag(int tag) { return "its keyframe count has type tag " + std::to_string(tag) + ", not 2"; }
std::string shorter_than_length(std::size_t size, std::size_t needed, int frames) {
    return "it has " + std::to_string(size) + " bytes, fewer than the " + std::to_string(needed) + " of a " +
           std::to_string(frames) + "-frame move";
}
std::string length_disagrees(std::size_t size, std::size_t needed, int frames) {
    return "it has " + std::to_string(size) + " bytes, not the " + std::to_string(needed) + " of the " +
           std::to_string(frames) + "-frame move its header names";
}
std::string count_outside(int count, int frames) {
    return "its keyframe count " + std::to_string(count) + " is outside 0.." + std::to_string(frames);
}
std::string no_number(int frame, int axis) {
    return "frame " + std::to_string(frame) + " of axis " + "ABCDE"[axis] + " holds no number";
}
std::string keyframe_outside(int row, int axis, std::int32_t frame, int frames) {
    return "keyframe " + std::to_string(row) + " of axis " + "ABCDE"[axis] + " is on frame " + std::to_string(frame) +
           ", outside 1.." + std::to_string(frames);
}
std::string keyframe_not_after(int row, int axis, std::int32_t frame, std::int32_t previous) {
    return "keyframe " + std::to_string(row) + " of axis " + "ABCDE"[axis] + " is on frame " + std::to_string(frame) +
           ", not after keyframe " + std::to_string(row - 1) + " on frame " + std::to_string(previous);
}
std::string position_beyond(int frame, int axis, double value) {
    return "frame " + std::to_string(frame) + " of axis " + "ABCDE"[axis] + " holds " + num::to_text(value) +
           ", beyond the 32-bit range";
}
std::string move_length_outside(int frames) {
    return "the move length " + std::to_string(frames) + " is outside 1.." + std::to_string(max_frames);
}
std::string too_many_keyframes(int count, int frames) {
    return "the move holds " + std::to_string(count) + " keyframes, more than its " + std::to_string(frames) +
           " frames";
}

std::string drive_box_text(int error_number, const std::string& description) {
    return "Error: " + std::to_string(error_number) + ": " + description;
}

}  // namespace kestrova::files_msg
