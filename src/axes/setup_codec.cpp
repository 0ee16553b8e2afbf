#include "axes/setup_codec.h"

#include "axes/messages.h"

namespace kestrova {

namespace {

constexpr std::size_t names_at = 8;
constexpr std::size_t acc_at = 72;
constexpr std::size_t speed_at = 88;
constexpr std::size_t fspeed_at = 104;
constexpr std::size_t min_at = 120;
constexpr std::size_t max_at = 152;

std::int16_t get16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)));
}
std::int32_t get32(std::span<const std::uint8_t> b, std::size_t at) {
    const std::uint32_t u = static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
                            (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
    return static_cast<std::int32_t>(u);
}
void put16(std::vector<std::uint8_t>& b, std::size_t at, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    b[at] = static_cast<std::uint8_t>(u & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(u >> 8);
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
}

}  // namespace

std::string name_to_field(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size() && out.size() < setup_name_size;) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        // One multi-byte character: Latin-1 when it is U+0080..U+00FF.
        std::size_t len = (c >= 0xF0) ? 4 : (c >= 0xE0) ? 3 : (c >= 0xC0) ? 2 : 1;
        if (len == 2 && i + 1 < utf8.size()) {
            const unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            out += cp <= 0xFF ? static_cast<char>(cp) : '?';
        } else {
            out += '?';
        }
        i += len;
    }
    out.resize(setup_name_size, ' ');
    return out;
}

std::string field_to_name(const std::string& latin1) {
    std::string out;
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Result<SetupRecord> decode_setup(std::span<const std::uint8_t> b) {
    if (b.size() < setup_file_size) return fail(axes_msg::too_short(b.size(), setup_file_size));
    SetupRecord r;
    for (std::size_t a = 0; a < axis_count; ++a) {
        const std::size_t at = names_at + a * setup_name_size;
        r.names[a].assign(reinterpret_cast<const char*>(b.data() + at), setup_name_size);
        r.acc[a] = get16(b, acc_at + 2 * a);
        r.mSpeed[a] = get16(b, speed_at + 2 * a);
        r.FSpeed[a] = get16(b, fspeed_at + 2 * a);
        r.min[a] = get32(b, min_at + 4 * a);
        r.max[a] = get32(b, max_at + 4 * a);
    }
    return r;
}

std::vector<std::uint8_t> encode_setup(const SetupRecord& r) {
    std::vector<std::uint8_t> b(setup_file_size, static_cast<std::uint8_t>(' '));
    for (std::size_t a = 0; a < axis_count; ++a) {
        std::string name = r.names[a].substr(0, setup_name_size);
        name.resize(setup_name_size, ' ');
        for (std::size_t i = 0; i < setup_name_size; ++i)
            b[names_at + a * setup_name_size + i] = static_cast<std::uint8_t>(name[i]);
        put16(b, acc_at + 2 * a, r.acc[a]);
        put16(b, speed_at + 2 * a, r.mSpeed[a]);
        put16(b, fspeed_at + 2 * a, r.FSpeed[a]);
        put32(b, min_at + 4 * a, r.min[a]);
        put32(b, max_at + 4 * a, r.max[a]);
    }
    return b;
}

}  // namespace kestrova
