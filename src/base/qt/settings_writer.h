// Writing into the program's settings (QSettings) so that a failure is seen:
// each write is synced to the file, and a file that cannot be written is said
// once, not at every change, until a write gets through again.
#pragma once

#include <QSettings>
#include <functional>

#include "base/notices.h"

namespace kestrova {

// Returns whether the settings reached the file.
bool write_settings(Notices& notices, const std::function<void(QSettings&)>& write);

}  // namespace kestrova
