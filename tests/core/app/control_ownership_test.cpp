// Every declared control exists on its window, and every control of each
// window has exactly one owner among the subsystems' declarations.
#include <gtest/gtest.h>

#include <map>
#include <type_traits>
#include <string>
#include <vector>

#include "app/app_controls.h"
#include "app/controls.h"
#include "axes/controls.h"
#include "engine/controls.h"
#include "files/controls.h"
#include "graph/controls.h"
#include "link/controls.h"
#include "motion/controls.h"
#include "move/controls.h"
#include "pad/controls.h"
#include "shaping/controls.h"
#include "tools/controls.h"

namespace kestrova {
namespace {

using Owners = std::map<std::string, std::vector<std::string>>;

// Lists of controls, or of families of numbered controls, all claimed by one owner.
template <typename List>
void claim_list(Owners& owners, const char* owner, const List& list) {
    for (const auto& item : list) {
        if constexpr (std::is_convertible_v<decltype(item), ControlName>) owners[ControlName(item).str()].push_back(owner);
        else claim_list(owners, owner, item);
    }
}
template <typename... Lists>
void claim(Owners& owners, const char* owner, const Lists&... lists) {
    (claim_list(owners, owner, lists), ...);
}

void expect_one_owner_each(const Panel& window, const Owners& owners) {
    for (const auto& [name, by] : owners) EXPECT_TRUE(window.has(ControlName{name})) << name << " is declared but missing";
    for (const std::string& name : window.names()) {
        auto it = owners.find(name);
        ASSERT_NE(it, owners.end()) << name << " has no owner";
        EXPECT_EQ(it->second.size(), 1u) << name << " has " << it->second.size() << " owners";
    }
}

TEST(ControlOwnership, EveryControlOfEachWindowIsDeclaredOnceByOneOwner) {
    Panel main, setup, help;
    create_main_controls(main);
    create_setup_controls(setup);
    create_help_controls(help);
    setup.add(ctl::setup_dialog, ControlKind::Frame);
    help.add(ctl::help_window, ControlKind::Frame);

    Owners on_main;
    claim(on_main, "app", ctl::app_main_window_controls);
    claim(on_main, "axes", ctl::axes_main_window_controls, ctl::axes_main_window_families);
    claim(on_main, "engine", ctl::engine_main_window_controls, ctl::engine_main_window_families);
    claim(on_main, "files", ctl::files_main_window_controls, ctl::files_main_window_families);
    claim(on_main, "graph", ctl::graph_main_window_controls, ctl::graph_main_window_families);
    claim(on_main, "link", ctl::link_main_window_controls);
    claim(on_main, "motion", ctl::motion_main_window_controls, ctl::motion_main_window_families);
    claim(on_main, "move", ctl::move_main_window_controls);
    claim(on_main, "shaping", ctl::shaping_main_window_controls);
    claim(on_main, "tools", ctl::tools_main_window_controls);
    expect_one_owner_each(main, on_main);

    Owners on_setup;
    claim(on_setup, "axes", ctl::axes_setup_dialog_controls, ctl::axes_setup_dialog_families);
    claim(on_setup, "pad", ctl::pad_setup_dialog_controls, ctl::pad_setup_dialog_families);
    expect_one_owner_each(setup, on_setup);

    Owners on_help;
    claim(on_help, "app", ctl::app_help_window_controls);
    expect_one_owner_each(help, on_help);
}

}  // namespace
}  // namespace kestrova
