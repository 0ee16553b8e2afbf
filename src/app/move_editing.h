// Undo, redo and the unsaved-work marker of the move. Every operator command
// runs between a look at the move before and after it; a command that changed
// the move becomes a step that undo takes back. The move's file name is part
// of the move: undoing a load gives back the name and saved state before it.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/result.h"
#include "move/move_history.h"
#include "move/move_model.h"

namespace kestrova {

class MoveEditing {
public:
    // `show_move` puts the whole move on the boxes and the chart after undo or redo.
    MoveEditing(MoveModel& move, std::function<void()> show_move)
        : move_(move), show_move_(std::move(show_move)) {}

    void set_show_move(std::function<void()> show_move) { show_move_ = std::move(show_move); }
    // Asked before every change of the move; a failure refuses the change.
    void set_guard(std::function<Result<>()> may_change) { may_change_ = std::move(may_change); }

    // Run an operator command; when it changed the move, it becomes a step.
    // A command that `edits` the move is refused up front while the guard says
    // no; any other command that changed the move then is taken back.
    Result<> around(std::string label, const std::function<void()>& command, bool edits = false);

    Result<> undo();
    Result<> redo();
    const MoveHistory& history() const { return history_; }
    // Steps forward from the start: a change of the move changes it.
    long step() const { return position_; }

    // Changes made since the move last equalled a file.
    bool unsaved() const { return position_ != name_.saved_position; }
    void matches_file(const std::filesystem::path& path);
    // The move came from no move file (an import): untitled, and unsaved.
    void untitled();
    // The move's name for the title: its file's name, or "untitled".
    std::string name() const;
    const std::filesystem::path& file() const { return name_.file; }

private:
    // A name the running command gave the move; it takes effect once the step is recorded.
    struct Naming {
        std::filesystem::path file;
        bool equals_file;  // saved or loaded, not imported
    };
    void take_name(const Naming& naming, bool renamed);

    MoveModel& move_;
    std::function<void()> show_move_;
    std::function<Result<>()> may_change_;
    MoveHistory history_;
    // Steps forward from the start; the name's saved position is where the move
    // equalled its file (unreachable once that step is dropped by a new branch).
    long position_ = 0;
    MoveName name_;
    bool in_command_ = false;
    std::optional<Naming> naming_;  // given by the command running now
};

}  // namespace kestrova
