#include "app/help_text.h"

namespace kestrova {

const char* const help_heading = "Kestrova Instructions";

const char* const help_text =
    "JOGGING THE RIG\r\n"
    "Press \"enable F keys\"; the box beside it turns green and takes the keyboard focus.\r\n"
    "Hold a function key to drive an axis; it speeds up by the axis's acceleration and\r\n"
    "coasts to a stop when you let go:\r\n"
    "  F1 / F2   axis 1 down / up\r\n"
    "  F3 / F4   axis 2 down / up\r\n"
    "  F5 / F6   axis 3 down / up\r\n"
    "  F7 / F8   axis 4 down / up\r\n"
    "  F9 / F10  axis 5 down / up\r\n"
    "Clicking anywhere else stops the keys (every held key counts as released).\r\n"
    "\r\n"
    "PROGRAMMING A MOVE\r\n"
    "1. Type the move length into \"Total frames\" and press \"Set Total Frames\".\r\n"
    "2. Jog the rig to a pose, type its frame into \"Position\" and press \"Add KeyFrame\".\r\n"
    "3. Repeat for every pose. \"Del KeyFrame\" removes the keyframe at the frame in\r\n"
    "   \"Position\"; \"Clear Move\" removes them all.\r\n"
    "4. The move runs in straight lines between keyframes. The Bezier buttons make\r\n"
    "   curves through them (the box sets the handle length in percent), \"smooth\"\r\n"
    "   averages the move; \"re calc\" goes back to straight lines.\r\n"
    "\r\n"
    "PLAYING A MOVE\r\n"
    "Press \"go to start\" and wait until the rig stands at frame 1, then \"Run\".\r\n"
    "\"Loop\" repeats the move, \"Play Back Speed\" divides the speed by the number in\r\n"
    "the box beside it, \"Stop\" stops everything at once. \"Step\" moves one frame\r\n"
    "forward or back; \"go to frame\" moves to the frame in the box below it.\r\n"
    "\r\n"
    "TIME-LAPSE\r\n"
    "Set the interval (hours, minutes, seconds) and the exposure in frames of 40 ms,\r\n"
    "then press the single-frame button; the lamp lights for each exposure and the rig\r\n"
    "steps one frame after it.\r\n"
    "\r\n"
    "FILES\r\n"
    "File > Save Move / Load Move opens the file lists; pick a file or type a name and\r\n"
    "press Enter. File > Save Setup stores the axis settings in stats.ini.\r\n";

}  // namespace kestrova
