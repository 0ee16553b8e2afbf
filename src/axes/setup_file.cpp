#include "axes/setup_file.h"

#include <system_error>

#include "axes/controls.h"
#include "axes/messages.h"
#include "axes/setting_rules.h"
#include "axes/setup_codec.h"
#include "base/file_io.h"
#include "base/numeric.h"

namespace kestrova {

namespace {

// Every setting converted to its field, or the first that does not fit.
Result<SetupRecord> record_from(const AxisNames& names, const AxisSettings& ax) {
    SetupRecord r;
    const std::string r16 = "-32768..32767";
    const std::string r32 = "-2147483648..2147483647";
    std::string error;
    // Within the rules every value fits; the conversion still says which would not.
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
    for (std::size_t i = 0; i < axis_count; ++i) {
        const int a = static_cast<int>(i);
        r.names[i] = name_to_field(names[i]);
        if (!small(a, "acceleration", ax.acc[i], r.acc[i]) || !small(a, "max speed", ax.mSpeed[i], r.mSpeed[i]) ||
            !small(a, "F speed", ax.FSpeed[i], r.FSpeed[i]) || !large(a, "min pos", ax.min[i], r.min[i]) ||
            !large(a, "max pos", ax.max[i], r.max[i]))
            return fail(error);
    }
    return r;
}

}  // namespace

std::filesystem::path setup_path(const std::filesystem::path& workdir) { return workdir / axes_msg::setup_file_name; }

SetupLoad load_setup(const AxesContext& c) {
    const auto path = setup_path(c.workdir);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) return SetupLoad::missing;
    const Result<FileContent> file = read_file(path);
    if (!file) {
        c.notices.say(axes_msg::load_refused("it cannot be read (" + file.error() + ")"));
        return SetupLoad::refused;
    }
    const Result<SetupRecord> d = decode_setup(file->bytes);
    if (!d) {
        c.notices.say(axes_msg::load_refused(d.error()));
        return SetupLoad::refused;
    }
    const SetupRecord& r = d.value();
    // The file is taken whole or not at all, by the rules the dialog applies.
    AxisSettings next = c.axes;
    for (std::size_t i = 0; i < axis_count; ++i) {
        next.acc[i] = r.acc[i];
        next.mSpeed[i] = r.mSpeed[i];
        next.FSpeed[i] = r.FSpeed[i];
        next.min[i] = r.min[i];
        next.max[i] = r.max[i];
    }
    if (const Result<> ok = check_settings(next); !ok) {
        c.notices.say(axes_msg::load_refused(ok.error()));
        return SetupLoad::refused;
    }
    c.axes = next;
    for (std::size_t i = 0; i < axis_count; ++i) {
        c.panel.show(ctl::axis_name_boxes[i], field_to_name(r.names[i]));
        c.panel.show(ctl::fspeed_boxes[i], num::to_text(next.FSpeed[i]));
    }
    return SetupLoad::loaded;
}

bool save_setup(const AxesContext& c) {
    // Nothing is written that a load would refuse.
    if (const Result<> ok = check_settings(c.axes); !ok) {
        c.notices.say(axes_msg::save_refused(ok.error()));
        return false;
    }
    const Result<SetupRecord> r = record_from(c.names, c.axes);
    if (!r) {
        c.notices.say(axes_msg::save_refused(r.error()));
        return false;
    }
    if (const Result<> written = write_file_keeping_tail(setup_path(c.workdir), encode_setup(r.value())); !written) {
        c.notices.say(axes_msg::save_failed(written.error()));
        return false;
    }
    c.notices.say(axes_msg::saved());
    return true;
}

}  // namespace kestrova
