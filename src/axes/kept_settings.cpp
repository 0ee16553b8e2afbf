#include "axes/kept_settings.h"

#include "axes/messages.h"
#include "axes/units.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

std::string key(const char* name, std::size_t axis) { return name + std::string(1, static_cast<char>('A' + axis)); }

constexpr const char* pulses_key = "pulsesPerUnit";
constexpr const char* enable_key = "enabled";
constexpr const char* reverse_key = "reverse";
constexpr const char* unit_key = "unit";

}  // namespace

KeptAxisText encode_kept_axis_settings(const AxisSettings& s) {
    KeptAxisText out;
    for (std::size_t a = 0; a < axis_count; ++a) {
        out.emplace_back(key(pulses_key, a), num::to_text(s.pp_rev[a]));
        if (a < enable_axes) out.emplace_back(key(enable_key, a), s.ena[a] ? "1" : "0");
        out.emplace_back(key(reverse_key, a), s.rev[a] ? "1" : "0");
        out.emplace_back(key(unit_key, a), s.unit[a]);
    }
    return out;
}

Result<AxisSettings> decode_kept_axis_settings(
    const AxisSettings& current, const std::function<std::optional<std::string>(const std::string& key)>& value) {
    AxisSettings s = current;
    auto toggle = [&](const std::string& k, bool& out) -> Result<> {
        const auto v = value(k);
        if (!v) return {};
        if (*v != "0" && *v != "1") return fail(axes_msg::kept_unreadable(k, *v));
        out = *v == "1";
        return {};
    };
    for (std::size_t a = 0; a < axis_count; ++a) {
        const std::string k = key(pulses_key, a);
        if (const auto v = value(k)) {
            const auto n = num::whole_number(*v);
            if (!n || *n == 0) return fail(axes_msg::kept_unreadable(k, *v));
            s.pp_rev[a] = *n;
        }
        if (a < enable_axes)
            if (Result<> r = toggle(key(enable_key, a), s.ena[a]); !r) return fail(r.error());
        if (Result<> r = toggle(key(reverse_key, a), s.rev[a]); !r) return fail(r.error());
        if (const auto v = value(key(unit_key, a))) {
            if (!is_axis_unit(*v)) return fail(axes_msg::kept_unreadable(key(unit_key, a), *v));
            s.unit[a] = *v;
        }
    }
    return s;
}

}  // namespace kestrova
