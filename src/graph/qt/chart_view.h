#pragma once

#include <QWidget>

#include "app/app_state.h"

namespace kestrova {

// The move chart: shows what the graph state holds and redraws when its
// revision changes. Named "MSChart1".
QWidget* make_chart_view(AppState& state, QWidget* parent);
// Redraw when the graph's revision has moved on since the last draw.
void update_chart_view(QWidget* chart, AppState& state);

}  // namespace kestrova
