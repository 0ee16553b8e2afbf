// The program's own settings file (kestrova.conf): what the setup file has no
// field for comes back at the next start, and a file that cannot be written is said.
#include <gtest/gtest.h>

#include <QSettings>
#include <algorithm>
#include <filesystem>

#include "axes/controls.h"
#include "base/messages.h"
#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;
namespace fs = std::filesystem;

namespace {
void forget_settings() {
    QSettings s;
    s.clear();
    s.sync();
}
}  // namespace

TEST(KeptSettings, PulsesPerUnitAndTheTogglesComeBackAtTheNextStartAndAnUnwritableFileIsSaidOnce) {
    forget_settings();
    {
        Window w;
        w.app.press(ctl::setup_menu);
        w.setup_form().set_text(ctl::setup_pulses_boxes[0], "100");
        w.setup_form().press(ctl::setup_ok_button);
        w.app.tick();
        w.app.press(ctl::enable_buttons[1]);
        w.setup_form().press(ctl::setup_reverse_buttons[2]);
    }
    {
        Window next;
        const AxisSettings& ax = next.axes();
        EXPECT_EQ(ax.pp_rev[0], 100);
        EXPECT_TRUE(ax.ena[1]);
        EXPECT_TRUE(ax.rev[2]);
        EXPECT_EQ(next.colour(ctl::enable_buttons[1]), colour::green);
        EXPECT_EQ(next.setup_form().at(ctl::setup_reverse_buttons[2]).colour, colour::green);

        // Even for root, whose writes ignore modes: the file's name is taken by a folder.
        const fs::path conf = QSettings().fileName().toStdString();
        fs::remove(conf);
        fs::create_directory(conf);
        next.app.press(ctl::enable_buttons[3]);
        next.app.press(ctl::enable_buttons[3]);
        const auto& said = next.notices().said;
        const std::string message = base_msg::settings_not_written(conf.string(), "it cannot be written");
        EXPECT_EQ(std::count_if(said.begin(), said.end(), [&](const SaidMessage& m) { return m.text == message; }), 1);
        fs::remove(conf);
    }
    forget_settings();
}
