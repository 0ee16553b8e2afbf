// Where the main window opens and how small it may get: never below the size
// at which every control shows whole, never beyond the screen's free area.
#pragma once

#include <QSize>

class QWidget;
class QMainWindow;

namespace kestrova {

// The start size: the window's preferred size, shrunk to at most 90 % of the
// screen's available area, never below its minimum.
QSize start_size(QSize preferred, QSize minimum, QSize available);

// The free area of the screen the window is on.
QSize available_screen_area(const QWidget& window);

// The minimum size at which every control shows whole, unless the screen is
// smaller (then the controls scroll), and a start size for the screen:
// maximised on a laptop-sized screen, 1600x1000 (at most 90 %) on a larger one.
void fit_to_screen(QMainWindow& window, QSize available);

// Whether a first start on a screen with this free area opens maximised.
bool opens_maximised(QSize available);

// The last size and position, kept in the user's settings between runs;
// false when none was kept.
bool restore_geometry(QWidget& window);
void save_geometry(const QWidget& window);

}  // namespace kestrova
