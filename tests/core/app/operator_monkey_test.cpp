// An operator who types anything anywhere and presses everything, in random
// order: nothing may crash, and the move and the rig stay consistent.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "started_app.h"

using namespace kestrova;

namespace {

const std::vector<std::string> odd_texts = {
    "", "-", "0", "1", "2", "-1", "10", "99.9", "1.5", "  7", "1,5", "12abc", "abc", "1e5", "1e309",
    "-1e309", "32766", "32767", "40000", "99999999999", "-2147483649", "0.4", "1500.5", "60", "100",
    "8388608", "-50000", "50000", "1001", "2000", "3", "pan1", "../x", "Tilt      long name"};

std::vector<std::string> names_of(const Panel& p, std::initializer_list<ControlKind> kinds) {
    std::vector<std::string> out;
    for (const std::string& n : p.names())
        for (ControlKind k : kinds)
            if (p.at(ControlName{n}).kind == k) out.push_back(n);
    return out;
}

void expect_consistent(test_support::StartedApp& s) {
    const MoveModel& m = s.move();
    ASSERT_GE(m.totalframes, 1);
    ASSERT_LE(m.totalframes, m.rows());
    ASSERT_GE(m.nextkf, 1);
    ASSERT_LE(m.nextkf, m.rows() + 1);
    for (int f = 1; f <= m.totalframes; ++f)
        for (int a = 0; a < move_axes; ++a) ASSERT_TRUE(std::isfinite(m.movepos.at(f, a))) << "frame " << f;
    for (double p : s.engine().curpos) ASSERT_TRUE(std::isfinite(p));
}

void run_operator(unsigned seed, int actions) {
    test_support::StartedApp s;
    s.set_length(120);
    std::mt19937 rng(seed);
    auto pick = [&](const auto& v) -> const auto& { return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)]; };
    const auto main_boxes = names_of(s.panel(), {ControlKind::Box});
    const auto main_buttons = names_of(s.panel(), {ControlKind::Button, ControlKind::Menu, ControlKind::List});
    const auto setup_boxes = names_of(s.setup_form(), {ControlKind::Box});
    const auto setup_buttons = names_of(s.setup_form(), {ControlKind::Button});
    for (int i = 0; i < actions; ++i) {
        switch (rng() % 8) {
        case 0:
        case 1: s.app.type(ControlName{pick(main_boxes)}, pick(odd_texts)); break;
        case 2:
        case 3: s.app.press(ControlName{pick(main_buttons)}); break;
        case 4: s.setup_form().set_text(ControlName{pick(setup_boxes)}, pick(odd_texts)); break;
        case 5: s.setup_form().press(ControlName{pick(setup_buttons)}); break;
        case 6: {
            const int code = rng() % 3 == 0 ? 13 : 112 + static_cast<int>(rng() % 10);
            const ControlName box = pick(std::vector{ctl::fkey_status_box, ctl::total_frames_box, ctl::file_name_box});
            if (rng() % 2) s.app.key_down(box, code); else s.app.key_up(box, code);
            break;
        }
        default:
            for (int t = 0; t < 5; ++t) s.app.tick();
            break;
        }
        s.notices().box.reset();  // nobody answers message boxes here
        SCOPED_TRACE("step " + std::to_string(i));
        expect_consistent(s);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace

TEST(Operator, RandomInputNeverBreaksTheProgram) {
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        run_operator(seed, 1500);
    }
}
