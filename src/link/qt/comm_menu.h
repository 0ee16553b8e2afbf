#pragma once

#include <functional>

class QMenuBar;

namespace kestrova {

class Link;
class Panel;

// The "Comm" menu: go off line, go on line on a port the system lists or on a
// typed device, or pick a port by number in the Comm number box. The port on
// line is ticked; the last one used is remembered and offered first.
void add_comm_menu(QMenuBar* bar, Panel& panel, Link& link, std::function<void()> after_change);

}  // namespace kestrova
