// The setup-file reader on arbitrary bytes: it must never crash, and whatever
// it accepts must be written back with the same fields (the reserved first
// eight bytes are always written as blanks).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "axes/setup_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kestrova::Result<kestrova::SetupRecord> d = kestrova::decode_setup(std::span<const std::uint8_t>(data, size));
    if (!d) {
        if (d.error().empty()) std::abort();
        return 0;
    }
    const auto again = kestrova::encode_setup(d.value());
    if (again.size() != kestrova::setup_file_size) std::abort();
    if (std::memcmp(again.data() + 8, data + 8, kestrova::setup_file_size - 8) != 0) std::abort();
    // The names survive the trip through the boxes' text and back.
    for (const auto& name : d->names)
        if (kestrova::name_to_field(kestrova::field_to_name(name)) != name) std::abort();
    return 0;
}
