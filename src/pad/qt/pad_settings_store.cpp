#include "pad/qt/pad_settings_store.h"

#include <QSettings>

#include "base/qt/settings_writer.h"

namespace kestrova {

namespace {
const QString group = QStringLiteral("gamepad");
}

void keep_pad_settings(Gamepad& pad, Notices& notices) {
    QSettings settings;
    settings.beginGroup(group);
    const Result<PadSettings> stored = decode_pad_settings([&settings](const std::string& key) {
        const QVariant v = settings.value(QString::fromStdString(key));
        return v.isValid() ? std::optional<std::string>(v.toString().toStdString()) : std::nullopt;
    });
    settings.endGroup();
    pad.settings_changed = nullptr;
    if (stored)
        pad.set_settings(stored.value());
    else
        notices.say(stored.error());
    pad.settings_changed = [&notices](const PadSettings& s) {
        write_settings(notices, [&s](QSettings& out) {
            out.beginGroup(group);
            for (const auto& [key, value] : encode_pad_settings(s))
                out.setValue(QString::fromStdString(key), QString::fromStdString(value));
            out.endGroup();
        });
    };
}

}  // namespace kestrova
