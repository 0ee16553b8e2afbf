// The program's look: Fusion, dark or light as the desktop is.
#pragma once

namespace kestrova {

// Call once the application object exists; follows later changes where the
// desktop reports them.
void follow_desktop_look();

}  // namespace kestrova
