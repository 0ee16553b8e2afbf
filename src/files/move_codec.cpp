#include "files/move_codec.h"

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
    for (int a = 0; a < move_axes; ++a) {
        for (int f = 1; f <= frames; ++f) {
            const double v = std::bit_cast<double>(r.u64());
            if (!std::isfinite(v)) return fail(files_msg::no_number(f, a));
            m.movepos.at(f, a) = v;
        }
    }
    return m;
}

Result<> check_savable(const MoveModel& move) {
    if (move.totalframes < 1 || move.totalframes > max_frames)
        return fail(files_msg::move_length_outside(move.totalframes));
    if (move.nextkf < 1 || move.nextkf > move.totalframes + 1)
        return fail(files_msg::too_many_keyframes(move.nextkf - 1, move.totalframes));
    return {};
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
