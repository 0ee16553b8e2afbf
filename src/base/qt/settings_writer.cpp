#include "base/qt/settings_writer.h"

#include "base/messages.h"

namespace kestrova {

namespace {
bool failure_said = false;  // one settings file per program
}

bool write_settings(Notices& notices, const std::function<void(QSettings&)>& write) {
    QSettings settings;
    write(settings);
    settings.sync();
    const QSettings::Status status = settings.status();
    if (status == QSettings::NoError) {
        failure_said = false;
        return true;
    }
    if (!failure_said) {
        failure_said = true;
        const char* why = status == QSettings::AccessError ? "it cannot be written" : "it cannot be read as settings";
        notices.say(base_msg::settings_not_written(settings.fileName().toStdString(), why));
    }
    return false;
}

bool write_settings_group(Notices& notices, const QString& group, const SettingsText& text) {
    return write_settings(notices, [&](QSettings& out) {
        out.beginGroup(group);
        for (const auto& [key, value] : text) out.setValue(QString::fromStdString(key), QString::fromStdString(value));
        out.endGroup();
    });
}

}  // namespace kestrova
