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
    QSettings settings;
    settings.beginGroup(group);
    const Result<AxisSettings> stored = decode_kept_axis_settings(c.axes, [&settings](const std::string& key) {
        const QVariant v = settings.value(QString::fromStdString(key));
        return v.isValid() ? std::optional<std::string>(v.toString().toStdString()) : std::nullopt;
    });
    settings.endGroup();
    if (stored) {
        c.axes = stored.value();
        show_axis_toggles(c);
    } else {
        c.notices.say(stored.error());
    }
    changed = [&axes = c.axes, &notices = c.notices] {
        write_settings(notices, [&axes](QSettings& out) {
            out.beginGroup(group);
            for (const auto& [key, value] : encode_kept_axis_settings(axes))
                out.setValue(QString::fromStdString(key), QString::fromStdString(value));
            out.endGroup();
        });
    };
}

}  // namespace kestrova
