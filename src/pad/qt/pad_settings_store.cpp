#include "pad/qt/pad_settings_store.h"

#include <QSettings>

#include "base/qt/settings_writer.h"

namespace kestrova {

namespace {
const QString group = QStringLiteral("gamepad");
}

void keep_pad_settings(Gamepad& pad, Notices& notices) {
    const Result<PadSettings> stored =
        read_settings_group(group, [](const SettingsReader& read) { return decode_pad_settings(read); });
    pad.settings_changed = nullptr;
    if (stored)
        pad.set_settings(stored.value());
    else
        notices.say(stored.error());
    pad.settings_changed = [&notices](const PadSettings& s) {
        write_settings_group(notices, group, encode_pad_settings(s));
    };
}

}  // namespace kestrova
