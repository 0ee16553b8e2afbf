// The operator's switch between the chart's views: position, speed and acceleration.
#pragma once

#include <functional>

#include "graph/graph_state.h"

class QComboBox;
class QWidget;

namespace kestrova {

// A small combo box named ctl::chart_quantity; `chosen` gets the view picked.
QComboBox* make_quantity_switch(QWidget* parent, std::function<void(GraphState::Quantity)> chosen);
// Show the view the graph shows, when it was changed elsewhere.
void follow_quantity(QComboBox* box, GraphState::Quantity shown);

}  // namespace kestrova
