// Undo and redo of changes to the move.
//
// A step holds, for every table an action changed, only the cells that differ
// between the move before and after it, as runs of consecutive cells. Undo and
// redo swap those cells with the model's, so one copy of the changed cells
// serves both directions. A table whose length changed (Set Total Frames, a
// load) is kept as the runs of its non-zero cells, since the tables are created
// zero-filled.
//
// A step that gave the move another name (a load, an import) also carries the
// name of the other side, swapped with the editor's as the cells are.
//
// Restored: the length, the keyframe count, the keyframe table, movepos,
// smoothpos, graphpos, the Bezier working storage and the keyframe corrections,
// i.e. everything the move's operations read. Not restored: curframe, the frame
// the rig stands at, which belongs to the rig rather than to the move.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "base/result.h"
#include "move/move_model.h"

namespace kestrova {

namespace history_detail {
struct Step;
}

// The file the move is named after (empty: untitled) and the editor's count of
// steps at which the move last equalled that file.
struct MoveName {
    std::filesystem::path file;
    long saved_position = 0;
};

inline constexpr std::size_t default_history_bytes = std::size_t{64} << 20;

class MoveHistory {
public:
    explicit MoveHistory(std::size_t byte_limit = default_history_bytes);
    ~MoveHistory();
    MoveHistory(MoveHistory&&);
    MoveHistory& operator=(MoveHistory&&);

    // Remember the move as it is before the action named `label`.
    void begin(std::string label, const MoveModel& before);
    // Record the step from the remembered move to `after`. An action that changed
    // nothing records nothing (returns false). Without a begin, nothing happens.
    // `renamed_from`: the name the move had before, when the action renamed it.
    bool commit(const MoveModel& after, std::optional<MoveName> renamed_from = std::nullopt);
    // Forget the remembered move (the action was refused).
    void cancel();
    // Put the remembered move back (the action must not stand) and forget it.
    // True when the action had changed the move.
    bool roll_back(MoveModel& move);
    // begin + commit with the caller's copy of the move before.
    bool record(std::string label, const MoveModel& before, const MoveModel& after,
                std::optional<MoveName> renamed_from = std::nullopt);

    // Put the move back as it was before the last recorded step / after the last
    // undone one. Fails, leaving the move as it is, when there is nothing to do,
    // and, clearing the history, when the move no longer has the shape the step
    // was recorded from (it was changed without being recorded). A step that
    // renamed the move swaps its other name with `name`.
    Result<> undo(MoveModel& move, MoveName* name = nullptr);
    Result<> redo(MoveModel& move, MoveName* name = nullptr);

    bool can_undo() const { return !undo_.empty(); }
    bool can_redo() const { return !redo_.empty(); }
    const std::string& undo_label() const;  // empty when there is nothing to undo
    const std::string& redo_label() const;
    std::size_t undo_steps() const { return undo_.size(); }

    // Memory held by the kept steps. Oldest steps are dropped to keep it within
    // the limit; a pending begin's copy of the move is not counted (it lives
    // only for the length of one action).
    std::size_t bytes() const { return bytes_; }
    std::size_t byte_limit() const { return limit_; }

    void clear();

private:
    using StepPtr = std::unique_ptr<history_detail::Step>;
    Result<> move_step(std::deque<StepPtr>& from, std::deque<StepPtr>& to, MoveModel& move, MoveName* name,
                       const std::string& nothing);
    void keep_within_limit();

    std::size_t limit_;
    std::size_t bytes_ = 0;
    std::deque<StepPtr> undo_;  // back: the latest step
    std::deque<StepPtr> redo_;  // back: the next step to redo
    std::optional<std::string> pending_label_;
    std::unique_ptr<MoveModel> pending_;
};

}  // namespace kestrova
