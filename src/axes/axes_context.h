// What the axis configuration reads and changes, and what it asks of others.
#pragma once

#include <array>
#include <filesystem>

#include "axes/axis_settings.h"
#include "base/events.h"
#include "base/notices.h"
#include "base/panel.h"

namespace kestrova {

// What the setup dialog remembers between its openings.
struct SetupDialogState {
    bool keeps_typed = false;  // a refused apply: reopening shows what was typed
    AxisNames names;           // the dialog's name boxes, kept by their reading
};

struct AxesContext {
    Panel& panel;   // main window: axis names, F speed boxes, enable toggles
    Panel& dialog;  // the setup dialog
    AxisSettings& axes;
    AxisNames& names;  // the main window's name boxes, kept by their reading
    SetupDialogState& setup;
    Notices& notices;
    const std::array<double, axis_count>& positions;  // where the axes stand, shown by the dialog
    const std::filesystem::path& workdir;             // holds stats.ini
    Events& events;                                   // the dialog opened or accepted, kept settings changed
};

}  // namespace kestrova
