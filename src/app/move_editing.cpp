#include "app/move_editing.h"

namespace kestrova {

namespace {
constexpr long unreachable = -1;
}

Result<> MoveEditing::around(std::string label, const std::function<void()>& command, bool edits) {
    if (edits && may_change_)
        if (Result<> allowed = may_change_(); !allowed) return allowed;
    history_.begin(std::move(label), move_);
    in_command_ = true;
    naming_.reset();
    command();
    in_command_ = false;
    if (may_change_) {
        if (Result<> allowed = may_change_(); !allowed) {
            // The command's new name goes with its change of the move.
            naming_.reset();
            if (history_.roll_back(move_)) {
                if (show_move_) show_move_();
                return allowed;
            }
            return {};
        }
    }
    // The saved state was on the branch that a new step leaves behind.
    MoveName before = name_;
    if (before.saved_position > position_) before.saved_position = unreachable;
    const bool renamed = naming_ && naming_->file != name_.file;
    if (history_.commit(move_, renamed ? std::optional<MoveName>(before) : std::nullopt)) {
        name_.saved_position = before.saved_position;
        ++position_;
    }
    if (naming_) take_name(*naming_, renamed);
    return {};
}

void MoveEditing::take_name(const Naming& naming, bool renamed) {
    name_.file = naming.file;
    if (naming.equals_file)
        name_.saved_position = position_;
    else if (renamed)
        name_.saved_position = unreachable;
}

Result<> MoveEditing::undo() {
    if (may_change_)
        if (Result<> allowed = may_change_(); !allowed) return allowed;
    if (Result<> r = history_.undo(move_, &name_); !r) return r;
    --position_;
    if (show_move_) show_move_();
    return {};
}

Result<> MoveEditing::redo() {
    if (may_change_)
        if (Result<> allowed = may_change_(); !allowed) return allowed;
    if (Result<> r = history_.redo(move_, &name_); !r) return r;
    ++position_;
    if (show_move_) show_move_();
    return {};
}

void MoveEditing::matches_file(const std::filesystem::path& path) {
    if (in_command_)
        naming_ = Naming{path, true};
    else
        take_name({path, true}, path != name_.file);
}

void MoveEditing::untitled() {
    if (in_command_)
        naming_ = Naming{{}, false};
    else
        take_name({{}, false}, !name_.file.empty());
}

std::string MoveEditing::name() const { return name_.file.empty() ? "untitled" : name_.file.filename().string(); }

}  // namespace kestrova
