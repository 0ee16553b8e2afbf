// Writing into the program's settings (QSettings) so that a failure is seen:
// each write is synced to the file, and a file that cannot be written is said
// once, not at every change, until a write gets through again.
#pragma once

#include <QSettings>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/notices.h"

namespace kestrova {

// Returns whether the settings reached the file.
bool write_settings(Notices& notices, const std::function<void(QSettings&)>& write);

// A group's keys and texts, as the core's settings codecs read and write them.
using SettingsText = std::vector<std::pair<std::string, std::string>>;
using SettingsReader = std::function<std::optional<std::string>(const std::string& key)>;
// Hands `decode` a reader of `group`'s keys (none for a key not stored).
template <class Decode>
auto read_settings_group(const QString& group, Decode decode) {
    QSettings settings;
    settings.beginGroup(group);
    const SettingsReader read = [&settings](const std::string& key) {
        const QVariant v = settings.value(QString::fromStdString(key));
        return v.isValid() ? std::optional<std::string>(v.toString().toStdString()) : std::nullopt;
    };
    return decode(read);
}
bool write_settings_group(Notices& notices, const QString& group, const SettingsText& text);

}  // namespace kestrova
