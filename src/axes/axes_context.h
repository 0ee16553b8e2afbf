// What the axis configuration reads and changes, and what it asks of others.
#pragma once

#include <array>
#include <filesystem>
#include <functional>

#include "axes/axis_settings.h"
#include "base/notices.h"
#include "base/panel.h"

namespace kestrova {

struct AxesHooks {
    // "save and exit setup" was pressed: the dialog's values are to be applied
    // (the engine applies them on its next step, between two messages).
    std::function<void()> settings_applied;
    // "Setup" opened the dialog: other sections show their settings too.
    std::function<void()> dialog_opened;
    // Pulses per unit, an enable or a reverse toggle changed: they are kept
    // in the program's settings, not in stats.ini.
    std::function<void()> kept_settings_changed;
};

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
    AxesHooks hooks;
};

}  // namespace kestrova
