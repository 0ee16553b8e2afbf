// The byte layout of a move file: the move length, the tagged keyframe count,
// the ten keyframe arrays and the per-frame table, little-endian, no header.
// Pure functions over bytes, shared by the loader, the tests and the fuzzer.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "move/move_model.h"

namespace kestrova {

inline constexpr std::size_t move_file_head = 6;        // totalframes, tag, nextkf
inline constexpr std::size_t move_file_row_bytes = 80;  // ten 4-byte keyframe cells + five doubles
inline constexpr std::int16_t nextkf_tag = 2;           // the count is stored as a 16-bit integer

inline constexpr std::size_t move_file_size(int rows) {
    return move_file_head + move_file_row_bytes * static_cast<std::size_t>(rows);
}

// What a move file holds. R = totalframes rows in every table.
struct MoveFileData {
    int totalframes = 0;
    int nextkf = 1;
    std::array<std::vector<std::int32_t>, move_axes> kfframe;
    std::array<std::vector<std::int32_t>, move_axes> kfpos;
    FrameTable movepos;
};

// The whole file is checked before anything is returned: its length against
// its own move length, the length 1..32766, the tag, the keyframe count and
// that every position is a finite number. A longer file is accepted; its tail
// is ignored.
Result<MoveFileData> decode_move(std::span<const std::uint8_t> bytes);

// Whether a file can hold the move; if not, why.
Result<> check_savable(const MoveModel& move);

// The file for the move as it stands: totalframes rows of every table (rows
// the tables lack are written as zeros). Call check_savable first.
std::vector<std::uint8_t> encode_move(const MoveModel& move);

}  // namespace kestrova
