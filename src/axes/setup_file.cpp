#include "axes/setup_file.h"

#include <optional>

#include "axes/messages.h"
#include "axes/setup_codec.h"
#include "base/file_io.h"
#include "app/controls.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

std::string name_box(int axis) { return "Name" + std::to_string(axis + 1); }

// Every setting converted to its field, or the first that does not fit.
std::optional<SetupRecord> record_from(const AppState& s, std::string& error) {
    SetupRecord r;
    const std::string r16 = "-32768..32767";
    const std::string r32 = "-2147483648..2147483647";
    auto small = [&](int a, const char* field, double v, std::int16_t& out) {
        const auto x = num::to_int16(v);
        if (!x) error = axes_msg::out_of_range(a, field, v, r16);
        else out = *x;
        return x.has_value();
    };
    auto large = [&](int a, const char* field, double v, std::int32_t& out) {
        const auto x = num::to_int32(v);
        if (!x) error = axes_msg::out_of_range(a, field, v, r32);
        else out = *x;
        return x.has_value();
    };
    for (int a = 0; a < axis_count; ++a) {
        const auto i = static_cast<std::size_t>(a);
        r.names[i] = name_to_field(s.panel.text(name_box(a)));
        if (!small(a, "acceleration", s.axes.acc[i], r.acc[i]) ||
            !small(a, "max speed", s.axes.mSpeed[i], r.mSpeed[i]) ||
            !small(a, "F speed", s.axes.FSpeed[i], r.FSpeed[i]) ||
            !large(a, "min pos", s.axes.min[i], r.min[i]) ||
            !large(a, "max pos", s.axes.max[i], r.max[i]))
            return std::nullopt;
    }
    return r;
}

}  // namespace

std::filesystem::path setup_path(const AppState& state) { return state.workdir / axes_msg::setup_file_name; }

SetupLoad load_setup(AppState& state) {
    const FileRead file = read_file(setup_path(state));
    if (file.missing) return SetupLoad::missing;
    if (!file.ok()) {
        state.notices.say(axes_msg::load_refused("it cannot be read (" + file.error + ")"));
        return SetupLoad::refused;
    }
    const SetupDecode d = decode_setup(file.bytes);
    if (!d.record) {
        state.notices.say(axes_msg::load_refused(d.error));
        return SetupLoad::refused;
    }
    const SetupRecord& r = *d.record;
    AxisSettings& ax = state.axes;
    for (int a = 0; a < axis_count; ++a) {
        const auto i = static_cast<std::size_t>(a);
        state.panel.set_text(name_box(a), field_to_name(r.names[i]));
        ax.acc[i] = r.acc[i];
        ax.mSpeed[i] = r.mSpeed[i];
        ax.FSpeed[i] = r.FSpeed[i];
        ax.min[i] = r.min[i];
        ax.max[i] = r.max[i];
    }
    for (int a = 0; a < axis_count; ++a)
        state.panel.set_text(fspeed_boxes[a], num::to_text(ax.FSpeed[static_cast<std::size_t>(a)]));
    return SetupLoad::loaded;
}

bool save_setup(AppState& state) {
    std::string error;
    const std::optional<SetupRecord> r = record_from(state, error);
    if (!r) {
        state.notices.say(axes_msg::save_refused(error));
        return false;
    }
    const std::string failure = write_file_keeping_tail(setup_path(state), encode_setup(*r));
    if (!failure.empty()) {
        state.notices.say(axes_msg::save_failed(failure));
        return false;
    }
    state.notices.say(axes_msg::saved());
    return true;
}

}  // namespace kestrova
