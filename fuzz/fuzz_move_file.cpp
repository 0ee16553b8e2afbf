// The move-file reader on arbitrary bytes: it must never crash, and whatever it
// accepts must be written back byte for byte as the file began.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "files/move_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kestrova::Result<kestrova::MoveFileData> d = kestrova::decode_move(std::span<const std::uint8_t>(data, size));
    if (!d) {
        if (d.error().empty()) std::abort();
        return 0;
    }
    kestrova::MoveModel m;
    m.totalframes = d->totalframes;
    m.nextkf = d->nextkf;
    m.kfframe = d->kfframe;
    m.kfpos = d->kfpos;
    m.movepos = d->movepos;
    if (!kestrova::check_savable(m)) std::abort();
    const auto again = kestrova::encode_move(m);
    if (again.size() > size || std::memcmp(again.data(), data, again.size()) != 0) std::abort();
    return 0;
}
