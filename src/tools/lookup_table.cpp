#include "tools/lookup_table.h"

#include <cmath>

namespace kestrova {

namespace {
constexpr std::size_t header_bytes = 4;
constexpr std::size_t listing_width = 11;
}  // namespace

std::array<std::int32_t, step_entries> step_table() {
    std::array<std::int32_t, step_entries> t{};
    for (int i = 1; i <= step_entries; ++i)
        t[static_cast<std::size_t>(i - 1)] = static_cast<std::int32_t>(std::floor(65536.0 - 55296.0 / i));
    return t;
}

std::vector<std::uint8_t> lookup_bytes() {
    std::vector<std::uint8_t> out = {0, 0, 128, 0};
    out.reserve(lookup_byte_count);
    for (std::int32_t v : step_table()) {
        out.push_back(static_cast<std::uint8_t>((v / 256) & 255));
        out.push_back(static_cast<std::uint8_t>(v & 255));
    }
    return out;
}

std::vector<std::uint8_t> lookup_bin(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out;
    out.reserve(bytes.size() * lookup_record_size);
    for (std::uint8_t b : bytes) {
        // A variant holding a one-character string: type 8, length 1, the character.
        out.insert(out.end(), {8, 0, 1, 0, b});
    }
    return out;
}

std::string lookup_listing(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    out.reserve(bytes.size() * (listing_width + 2));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string line;
        if (i < header_bytes) {
            line = ".byte " + std::to_string(bytes[i]);
        } else {
            line = " .byte  " + std::to_string(bytes[i]);
            line.resize(listing_width, ' ');
        }
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace kestrova
