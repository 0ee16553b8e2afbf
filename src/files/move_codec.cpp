#include "files/move_codec.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "files/messages.h"

namespace kestrova {

namespace {

class Writer {
public:
    explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}
    void u16(std::uint16_t v) {
        out_.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
    }
    void u64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) out_.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
    }

private:
    std::vector<std::uint8_t>& out_;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> in) : in_(in) {}
    std::uint16_t u16() {
        const auto v = static_cast<std::uint16_t>(in_[at_] | (in_[at_ + 1] << 8));
        at_ += 2;
        return v;
    }
    std::uint32_t u32() {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in_[at_ + i]) << (8 * i);
        at_ += 4;
        return v;
    }
    std::uint64_t u64() {
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(in_[at_ + i]) << (8 * i);
        at_ += 8;
        return v;
    }

private:
    std::span<const std::uint8_t> in_;
    std::size_t at_ = 0;
};

}  // namespace

namespace {

// The move's own rules, shared by the reader and the saver: each axis's
// keyframes lie on frames 1..length in strictly ascending order, and every
// position of the move is a number within the 32-bit range.
Result<> check_rules(int frames, int nextkf, const std::array<std::vector<std::int32_t>, move_axes>& kfframe,
                     const FrameTable& movepos) {
    for (int a = 0; a < move_axes; ++a) {
        const auto& column = kfframe[static_cast<std::size_t>(a)];
        const int count = std::min(nextkf - 1, static_cast<int>(column.size()));
        for (int k = 1; k <= count; ++k) {
            const std::int32_t f = column[static_cast<std::size_t>(k - 1)];
            if (f < 1 || f > frames) return fail(files_msg::keyframe_outside(k, a, f, frames));
            if (k > 1 && f <= column[static_cast<std::size_t>(k - 2)])
                return fail(files_msg::keyframe_not_after(k, a, f, column[static_cast<std::size_t>(k - 2)]));
        }
    }
    const int rows = std::min(frames, movepos.rows());
    for (int a = 0; a < move_axes; ++a) {
        for (int f = 1; f <= rows; ++f) {
            const double v = movepos.at(f, a);
            if (!std::isfinite(v)) return fail(files_msg::no_number(f, a));
            if (v < lowest_position || v > highest_position) return fail(files_msg::position_beyond(f, a, v));
        }
    }
    return {};
}

}  // namespace

Result<MoveFileData> decode_move(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < move_file_head) return fail(files_msg::too_few_bytes(bytes.size()));
    Reader r(bytes);
    const int frames = static_cast<std::int16_t>(r.u16());
    const int tag = static_cast<std::int16_t>(r.u16());
    const int nextkf = static_cast<std::int16_t>(r.u16());
    if (frames < 1 || frames > max_frames) return fail(files_msg::length_outside(frames));
    if (tag != nextkf_tag) return fail(files_msg::bad_count_tag(tag));
    if (bytes.size() < move_file_size(frames))
        return fail(files_msg::shorter_than_length(bytes.size(), move_file_size(frames), frames));
    // More bytes than the header's length fills: the tables would be read out of step.
    if (bytes.size() > move_file_size(frames))
        return fail(files_msg::length_disagrees(bytes.size(), move_file_size(frames), frames));
    if (nextkf < 1 || nextkf > frames + 1) return fail(files_msg::count_outside(nextkf - 1, frames));
    MoveFileData m;
    m.totalframes = frames;
    m.nextkf = nextkf;
    const auto rows = static_cast<std::size_t>(frames);
    for (int a = 0; a < move_axes; ++a) {
        m.kfframe[a].resize(rows);
        m.kfpos[a].resize(rows);
        for (auto& v : m.kfframe[a]) v = static_cast<std::int32_t>(r.u32());
        for (auto& v : m.kfpos[a]) v = static_cast<std::int32_t>(r.u32());
    }
    m.movepos.create(frames);
    for (int a = 0; a < move_axes; ++a)
        for (int f = 1; f <= frames; ++f) m.movepos.at(f, a) = std::bit_cast<double>(r.u64());
    if (Result<> ok = check_rules(frames, nextkf, m.kfframe, m.movepos); !ok) return fail(ok.error());
    return m;
}

Result<> check_savable(const MoveModel& move) {
    if (move.totalframes < 1 || move.totalframes > max_frames)
        return fail(files_msg::move_length_outside(move.totalframes));
    if (move.nextkf < 1 || move.nextkf > move.totalframes + 1)
        return fail(files_msg::too_many_keyframes(move.nextkf - 1, move.totalframes));
    return check_rules(move.totalframes, move.nextkf, move.kfframe, move.movepos);
}

std::vector<std::uint8_t> encode_move(const MoveModel& move) {
    const int frames = move.totalframes;
    std::vector<std::uint8_t> out;
    out.reserve(move_file_size(frames));
    Writer w(out);
    w.u16(static_cast<std::uint16_t>(frames));
    w.u16(static_cast<std::uint16_t>(nextkf_tag));
    w.u16(static_cast<std::uint16_t>(move.nextkf));
    auto column = [&](const std::vector<std::int32_t>& v) {
        for (int row = 0; row < frames; ++row)
            w.u32(static_cast<std::uint32_t>(row < static_cast<int>(v.size()) ? v[static_cast<std::size_t>(row)] : 0));
    };
    for (int a = 0; a < move_axes; ++a) {
        column(move.kfframe[a]);
        column(move.kfpos[a]);
    }
    for (int a = 0; a < move_axes; ++a)
        for (int f = 1; f <= frames; ++f)
            w.u64(std::bit_cast<std::uint64_t>(move.movepos.has_frame(f) ? move.movepos.at(f, a) : 0.0));
    return out;
}

}  // namespace kestrova
