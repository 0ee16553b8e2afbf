#include "graph/qt/chart_view.h"

#include "graph/qt/move_chart_view.h"

#include <utility>

namespace kestrova {

QWidget* make_chart_view(const GraphContext& context, QWidget* parent) { return new MoveChartView(context, parent); }

QWidget* make_chart_quantity_switch(QWidget* chart, QWidget* parent) {
    return static_cast<MoveChartView*>(chart)->quantity_switch(parent);
}

void update_chart_view(QWidget* chart) {
    if (auto* view = dynamic_cast<MoveChartView*>(chart)) view->sync();
}

void set_keyframe_drag(QWidget* chart, KeyframeDragHooks hooks) {
    if (auto* view = dynamic_cast<MoveChartView*>(chart)) view->set_keyframe_drag(std::move(hooks));
}

}  // namespace kestrova
