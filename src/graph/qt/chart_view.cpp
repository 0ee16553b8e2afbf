#include "graph/qt/chart_view.h"

#include <QFrame>

namespace kestrova {

QWidget* make_chart_view(AppState&, QWidget* parent) {
    auto* w = new QFrame(parent);
    w->setFrameShape(QFrame::StyledPanel);
    w->setMinimumSize(500, 260);
    return w;
}

void update_chart_view(QWidget*, AppState&) {}

}  // namespace kestrova
