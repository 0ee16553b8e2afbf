// The Move menu: Fit to rig, Fastest move, Stretch move, and the share of the
// axes' limits they use (kept in the program's settings).
#pragma once

#include <functional>

class QAction;
class QMainWindow;

namespace kestrova {

class App;

// Adds the menu to the window's menu bar; returns the Fit to rig action (for
// the toolbar and the move-check line). `after` shows the result.
QAction* add_move_menu(QMainWindow& window, App& app, std::function<void()> after);

}  // namespace kestrova
