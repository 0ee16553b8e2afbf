// The gamepad's section of the setup dialog. Its buttons edit a draft of the
// settings: each axis button steps through A..E and none, each "inv" button
// turns its input round, the dead-man button steps through the shoulders.
// "save and exit setup" takes the draft with the typed dead zone and step.
#pragma once

#include "base/panel.h"
#include "base/result.h"
#include "base/notices.h"
#include "pad/gamepad.h"
#include "pad/pad_settings.h"

namespace kestrova {

void create_pad_setup_controls(Panel& dialog);

class PadSetupSection {
public:
    explicit PadSetupSection(Panel& dialog) : dialog_(dialog) {}
    // Give the section's buttons their actions (once its controls exist).
    void install();
    // The dialog opens: show `current` and edit a copy of it.
    void open(const PadSettings& current);
    // "save and exit setup": the pad takes the section's settings, or the
    // status says why not and false asks for the dialog again with what was typed.
    bool save(Gamepad& pad, Notices& notices) const;

private:
    Result<PadSettings> read() const;
    void show();

    Panel& dialog_;
    PadSettings draft_ = PadSettings::defaults();
    // The dead zone and step boxes, each read by its own reading.
    Result<double> dead_zone_ = fail({});
    Result<int> step_ = fail({});
};

}  // namespace kestrova
