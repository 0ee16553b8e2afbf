#include "axes/qt/axis_settings_store.h"

#include <QSettings>

#include "axes/axes_commands.h"
#include "axes/kept_settings.h"
#include "base/qt/settings_writer.h"

namespace kestrova {

namespace {
const QString group = QStringLiteral("axes");
}

void keep_axis_settings(const AxesContext& c, std::function<void()>& changed) {
    const Result<AxisSettings> stored = read_settings_group(
        group, [&c](const SettingsReader& read) { return decode_kept_axis_settings(c.axes, read); });
    if (stored) {
        c.axes = stored.value();
        show_axis_toggles(c);
    } else {
        c.notices.say(stored.error());
    }
    changed = [&axes = c.axes, &notices = c.notices] {
        write_settings_group(notices, group, encode_kept_axis_settings(axes));
    };
}

}  // namespace kestrova
