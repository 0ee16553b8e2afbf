#include "app/move_editing.h"

namespace kestrova {

namespace {
constexpr long unreachable = -1;
}

Result<> MoveEditing::around(std::string label, const std::function<void()>& command, bool edits) {
    if (edits && may_change_)
        if (Result<> allowed = may_change_(); !allowed) return allowed;
    history_.begin(std::move(label), move_);
    const std::filesystem::path file_before = file_;
    in_command_ = true;
    matched_ = false;
    command();
    in_command_ = false;
    if (may_change_) {
        if (Result<> allowed = may_change_(); !allowed) {
            file_ = file_before;
            if (history_.roll_back(move_)) {
                if (show_move_) show_move_();
                return allowed;
            }
            return {};
        }
    }
    if (history_.commit(move_)) {
        // The saved state was on the branch that a new step leaves behind.
        if (saved_position_ > position_) saved_position_ = unreachable;
        ++position_;
    }
    if (matched_) saved_position_ = position_;  // a load is a step, and the move then equals its file
    return {};
}

Result<> MoveEditing::undo() {
    if (may_change_)
        if (Result<> allowed = may_change_(); !allowed) return allowed;
    if (Result<> r = history_.undo(move_); !r) return r;
    --position_;
    if (show_move_) show_move_();
    return {};
}

Result<> MoveEditing::redo() {
    if (may_change_)
        if (Result<> allowed = may_change_(); !allowed) return allowed;
    if (Result<> r = history_.redo(move_); !r) return r;
    ++position_;
    if (show_move_) show_move_();
    return {};
}

void MoveEditing::matches_file(const std::filesystem::path& path) {
    file_ = path;
    if (in_command_) {
        matched_ = true;
    } else {
        saved_position_ = position_;
    }
}

std::string MoveEditing::name() const { return file_.empty() ? "untitled" : file_.filename().string(); }

}  // namespace kestrova
