// The move-file reader on arbitrary bytes: it must never crash, and whatever it
// accepts must be written back byte for byte as the file began. Every move it
// accepts then goes through the linear move, the Bezier path and a smoothing,
// which must end (libFuzzer's -timeout catches one that does not) and leave
// every frame a finite number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "files/move_codec.h"
#include "move/linear_move.h"
#include "shaping/bezier_path.h"
#include "shaping/smoothing.h"

namespace {

using namespace kestrova;

// The move's rules as the reader checks them: keyframe frames within
// 1..length and strictly ascending on every axis, every per-frame position
// within the 32-bit range. Moves that break them are not the shaping's input.
bool keeps_the_move_rules(const MoveFileData& d) {
    for (int a = 0; a < move_axes; ++a) {
        std::int32_t before = 0;
        for (int k = 1; k < d.nextkf; ++k) {
            const std::int32_t f = d.kfframe[a][static_cast<std::size_t>(k - 1)];
            if (f <= before || f > d.totalframes) return false;
            before = f;
        }
        for (int f = 1; f <= d.totalframes; ++f)
            if (std::fabs(d.movepos.at(f, a)) > 2147483647.0) return false;
    }
    return true;
}

void require_finite(const MoveModel& m) {
    for (int f = 1; f <= m.totalframes; ++f)
        for (int a = 0; a < move_axes; ++a)
            if (!std::isfinite(m.movepos.at(f, a))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<MoveFileData> d = decode_move(std::span<const std::uint8_t>(data, size));
    if (!d) {
        if (d.error().empty()) std::abort();
        return 0;
    }
    MoveModel m;
    m.totalframes = d->totalframes;
    m.create_tables(m.totalframes);
    m.nextkf = d->nextkf;
    m.kfframe = d->kfframe;
    m.kfpos = d->kfpos;
    m.movepos = d->movepos;
    if (!check_savable(m)) std::abort();
    const auto again = encode_move(m);
    if (again.size() > size || std::memcmp(again.data(), data, again.size()) != 0) std::abort();

    if (!keeps_the_move_rules(d.value())) return 0;
    const bool flat_extremes = data[size - 1] & 1;
    const SmoothingParams params{1 + data[size - 1] / 2 % 16, 1};
    calculate_linear(m);
    (void)calculate_bezier(m, 20, flat_extremes);
    require_finite(m);
    if (check_smoothing(m, params)) smooth(m, params);
    require_finite(m);
    return 0;
}
