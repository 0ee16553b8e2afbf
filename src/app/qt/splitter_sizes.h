// The dividers the operator moves between the window's panels, remembered
// in the program's settings from one run to the next.
#pragma once

#include <initializer_list>

#include "base/notices.h"

class QSplitter;

namespace kestrova {

// Restores each splitter's kept sizes (by its object name) and keeps them
// whenever the operator moves a divider.
void keep_splitter_sizes(std::initializer_list<QSplitter*> splitters, Notices& notices);

}  // namespace kestrova
