// The program's look: Fusion, dark or light as the desktop is.
#pragma once

namespace kestrova {

enum class Look { desktop, light, dark };

// Call once the application object exists: the look the operator chose last
// (the desktop's unless chosen), following later desktop changes where the
// desktop reports them.
void follow_desktop_look();

// The operator's choice, applied at once and kept in the program's settings.
Look chosen_look();
void choose_look(Look look);

}  // namespace kestrova
