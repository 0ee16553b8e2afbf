// An operator who types anything anywhere and presses everything, in random
// order: nothing may crash, and the move and the rig stay consistent.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "started_app.h"

using namespace kestrova;

TEST(Operator, RandomInputNeverBreaksTheProgram) {
    const std::vector<std::string> odd = {
        "", "-", "0", "1", "2", "-1", "10", "99.9", "1.5", "  7", "1,5", "12abc", "abc", "1e5", "1e309", "-1e309", "32766",
        "32767", "40000", "99999999999", "-2147483649", "0.4", "1500.5", "60", "100", "8388608", "-50000", "50000", "1001",
        "2000", "3", "pan1", "../x", "Tilt      long name"};
    for (unsigned seed : {1u, 2u, 3u}) {
        test_support::StartedApp s;
        s.set_length(120);
        std::mt19937 rng(seed);
        auto pick = [&](const auto& v) { return v[rng() % v.size()]; };
        std::vector<std::string> boxes[2], buttons[2];  // the main window's, the setup form's
        for (int f = 0; f < 2; ++f) {
            const Panel& p = f ? s.setup_form() : s.panel();
            for (const std::string& n : p.names()) {
                const ControlKind k = p.at(ControlName{n}).kind;
                if (k == ControlKind::Box) boxes[f].push_back(n);
                if (k == ControlKind::Button || (!f && (k == ControlKind::Menu || k == ControlKind::List))) buttons[f].push_back(n);
            }
        }
        for (int i = 0; i < 1500; ++i) {
            const int f = static_cast<int>(rng() % 3 == 0);
            Panel& form = f ? s.setup_form() : s.panel();
            switch (rng() % 4) {
            case 0: f ? form.set_text(ControlName{pick(boxes[f])}, pick(odd)) : s.app.type(ControlName{pick(boxes[f])}, pick(odd)); break;
            case 1: f ? form.press(ControlName{pick(buttons[f])}) : s.app.press(ControlName{pick(buttons[f])}); break;
            case 2: {
                const int code = rng() % 3 ? 112 + static_cast<int>(rng() % 10) : 13;
                const ControlName box = pick(std::vector{ctl::fkey_status_box, ctl::total_frames_box, ctl::file_name_box});
                if (rng() % 2) s.app.key_down(box, code); else s.app.key_up(box, code);
                break;
            }
            default: for (int t = 0; t < 5; ++t) s.app.tick();
            }
            s.notices().box.reset();  // nobody answers message boxes here
            const MoveModel& m = s.move();
            ASSERT_TRUE(m.totalframes >= 1 && m.totalframes <= m.rows() && m.nextkf >= 1 && m.nextkf <= m.rows() + 1)
                << seed << " step " << i;
            for (int fr = 1; fr <= m.totalframes; ++fr)
                for (int a = 0; a < move_axes; ++a) ASSERT_TRUE(std::isfinite(m.movepos.at(fr, a))) << seed << " step " << i;
            for (double p : s.engine().curpos) ASSERT_TRUE(std::isfinite(p));
        }
    }
}
