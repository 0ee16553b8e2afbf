// The transport toolbar's icons when the desktop's icon theme has none: drawn
// in the given colour, so they read on the light and the dark look alike.
#pragma once

#include <QColor>
#include <QIcon>

namespace kestrova {

// `curve` marks the Bezier button, whose caption is blank.
enum class TransportGlyph { run, stop, loop, start, step_back, step, end, frame, curve };

QIcon drawn_icon(TransportGlyph glyph, const QColor& colour);

}  // namespace kestrova
