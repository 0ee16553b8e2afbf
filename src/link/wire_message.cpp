#include "link/wire_message.h"

#include <cstdio>

#include "link/messages.h"
#include "base/numeric.h"

namespace kestrova {

std::optional<std::array<std::uint8_t, 3>> encode_position(double value) {
    const auto v = num::to_int32(value);
    if (!v) return std::nullopt;
    const auto u = static_cast<std::uint32_t>(*v);
    return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>((u >> 16) & 0xFF),
                                       static_cast<std::uint8_t>((u >> 8) & 0xFF),
                                       static_cast<std::uint8_t>(u & 0xFF)};
}

std::uint8_t incontrol_for_frame(std::int32_t playframe) {
    const std::int64_t f = static_cast<std::int64_t>(playframe) + 2;
    return f % 4 == 0 ? incontrol_marker : 0;
}

Result<Message> build_message(std::uint8_t lead, const std::array<double, move_axes>& pos, bool short_form,
                              std::uint8_t incontrol) {
    Message m;
    m.bytes[0] = lead;
    const int axes = short_form ? 1 : move_axes;
    for (int a = 0; a < axes; ++a) {
        const auto field = encode_position(pos[static_cast<std::size_t>(a)]);
        if (!field) return fail(link_text::position_unencodable(static_cast<char>('A' + a)));
        for (std::size_t i = 0; i < 3; ++i) m.bytes[1 + 3 * static_cast<std::size_t>(a) + i] = (*field)[i];
    }
    if (short_form) {
        m.bytes[4] = incontrol;
        m.size = short_size;
    } else {
        m.size = long_size;  // bytes 16..24 stay zero
    }
    return m;
}

std::int32_t decode_position(const std::uint8_t* field) {
    std::uint32_t u = (std::uint32_t{field[0]} << 16) | (std::uint32_t{field[1]} << 8) | field[2];
    if (u & 0x800000u) u |= 0xFF000000u;  // sign-extend the 24-bit field
    return static_cast<std::int32_t>(u);
}

std::optional<Decoded> decode_message(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != long_size && bytes.size() != short_size) return std::nullopt;
    const std::uint8_t lead = bytes[0];
    if (lead != lead_position && lead != lead_reset && lead != lead_frame) return std::nullopt;
    Decoded d;
    d.lead = lead;
    d.short_form = bytes.size() == short_size;
    if (d.short_form) {
        d.pos[0] = decode_position(&bytes[1]);
        d.incontrol = bytes[4];
        return d;
    }
    for (std::size_t a = 0; a < move_axes; ++a) d.pos[a] = decode_position(&bytes[1 + 3 * a]);
    for (std::size_t i = 16; i < long_size; ++i)
        if (bytes[i] != 0) return std::nullopt;
    return d;
}

std::string link_text::rate(double per_second, double worst_late_ms, unsigned held, ThreadPriority priority) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.1f msg/s, worst late %.1f ms", per_second, worst_late_ms);
    std::string s = buf;
    if (held > 0) s += ", " + std::to_string(held) + " repeated";
    return s + ", " + priority_name(priority);
}

const std::string& link_text::priority_name(ThreadPriority p) {
    switch (p) {
    case ThreadPriority::realtime: return priority_realtime;
    case ThreadPriority::high: return priority_high;
    case ThreadPriority::normal: break;
    }
    return priority_normal;
}

}  // namespace kestrova
