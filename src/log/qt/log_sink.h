// The log through Qt's logging: the journal's lines go out under the
// "kestrova" category, and a message handler appends that category to the
// log file. Other categories go where they went before.
#pragma once

#include <QLoggingCategory>
#include <filesystem>

#include "log/journal.h"

Q_DECLARE_LOGGING_CATEGORY(lcKestrova)

namespace kestrova {

// Send the category to `path` (rotated at 1 MB, three old files kept). A log
// that cannot be written stops nothing: the sink returns the failure, which
// the journal says once.
void install_log_file(const std::filesystem::path& path);

Journal::Sink qt_log_sink();

}  // namespace kestrova
