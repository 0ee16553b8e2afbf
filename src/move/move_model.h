// The move: its length, the keyframe table and the per-frame tables.
// Frames and keyframe rows are numbered from 1; axes are 0..4 for A..E.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kestrova {

inline constexpr int move_axes = 5;            // A..E carry moves
inline constexpr int default_frames = 1500;
inline constexpr int max_frames = 32766;       // totalframes + 1 must still fit 16 bits
inline constexpr int correction_rows = 1500;   // fixed size of the keyframe corrections

// A table of doubles, one row per frame (1..rows) and one column per move axis.
class FrameTable {
public:
    void create(int rows) { data_.assign(static_cast<std::size_t>(rows), {}); }
    int rows() const { return static_cast<int>(data_.size()); }
    double& at(int frame, int axis) { return data_[static_cast<std::size_t>(frame - 1)][static_cast<std::size_t>(axis)]; }
    double at(int frame, int axis) const { return data_[static_cast<std::size_t>(frame - 1)][static_cast<std::size_t>(axis)]; }
    bool has_frame(int frame) const { return frame >= 1 && frame <= rows(); }

private:
    std::vector<std::array<double, move_axes>> data_;
};

struct MoveModel {
    int totalframes = default_frames;  // 1..32766
    int nextkf = 1;                    // next free keyframe row; count = nextkf - 1
    double curframe = 1;               // frame at which the rig stands

    // Keyframe table: ten arrays of R rows, [axis][row - 1].
    std::array<std::vector<std::int32_t>, move_axes> kfframe;
    std::array<std::vector<std::int32_t>, move_axes> kfpos;

    FrameTable movepos;    // the move that is played, drawn and saved
    FrameTable smoothpos;  // working copy of the smoothing
    FrameTable graphpos;   // speed table drawn in speed mode

    // Bezier working storage, [axis][sample - 1]; kept between calculations.
    std::array<std::vector<double>, move_axes> bzframe;
    std::array<std::vector<double>, move_axes> bzpos;

    // Keyframe corrections of the corrected smoothing, [axis][row - 1]; never resized.
    std::array<std::array<double, correction_rows>, move_axes> kfcorr{};

    MoveModel() { create_tables(default_frames); }

    int rows() const { return movepos.rows(); }  // R
    int keyframe_count() const { return nextkf - 1; }

    // Every table afresh with R rows, all zero (the corrections excepted).
    void create_tables(int rows) {
        for (int a = 0; a < move_axes; ++a) {
            kfframe[a].assign(static_cast<std::size_t>(rows), 0);
            kfpos[a].assign(static_cast<std::size_t>(rows), 0);
            bzframe[a].assign(static_cast<std::size_t>(rows), 0.0);
            bzpos[a].assign(static_cast<std::size_t>(rows), 0.0);
        }
        movepos.create(rows);
        smoothpos.create(rows);
        graphpos.create(rows);
    }

    // Row accessors, 1-based.
    std::int32_t& frame_of(int axis, int row) { return kfframe[axis][static_cast<std::size_t>(row - 1)]; }
    std::int32_t& pos_of(int axis, int row) { return kfpos[axis][static_cast<std::size_t>(row - 1)]; }
    std::int32_t frame_of(int axis, int row) const { return kfframe[axis][static_cast<std::size_t>(row - 1)]; }
    std::int32_t pos_of(int axis, int row) const { return kfpos[axis][static_cast<std::size_t>(row - 1)]; }
};

}  // namespace kestrova
