#include "axes/setting_rules.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "axes/messages.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

// Written so that NaN breaks the rule.
bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }

std::string range(double lo, double hi) { return num::to_text(lo) + ".." + num::to_text(hi); }

}  // namespace

Result<> check_speed(int axis, double v) {
    if (!within(v, lowest_speed, highest_speed))
        return fail(axes_msg::out_of_range(axis, axes_msg::speed_field, v, range(lowest_speed, highest_speed)));
    return {};
}

Result<> check_acceleration(int axis, double v) {
    if (!within(v, lowest_speed, highest_speed))
        return fail(axes_msg::out_of_range(axis, axes_msg::acceleration_field, v, range(lowest_speed, highest_speed)));
    return {};
}

Result<> check_fspeed(int axis, double v, double max_speed) {
    if (!within(v, 0, max_speed)) return fail(axes_msg::out_of_range(axis, axes_msg::fspeed_field, v, range(0, max_speed)));
    return {};
}

double starting_fspeed(double max_speed) { return std::max(1.0, std::floor(max_speed / 4)); }

Result<> check_limits(int axis, double min, double max) {
    const std::string limits = range(controller_min, controller_max);
    if (!within(min, controller_min, controller_max))
        return fail(axes_msg::out_of_range(axis, axes_msg::min_field, min, limits));
    if (!within(max, controller_min, controller_max))
        return fail(axes_msg::out_of_range(axis, axes_msg::max_field, max, limits));
    if (min > max) return fail(axes_msg::min_above_max(axis, min, max));
    return {};
}

Result<> check_settings(const AxisSettings& s) {
    for (std::size_t i = 0; i < axis_count; ++i) {
        const int a = static_cast<int>(i);
        for (const Result<>& r : {check_speed(a, s.mSpeed[i]), check_acceleration(a, s.acc[i]),
                                 check_fspeed(a, s.FSpeed[i], s.mSpeed[i]), check_limits(a, s.min[i], s.max[i])})
            if (!r) return r;
    }
    return {};
}

}  // namespace kestrova
