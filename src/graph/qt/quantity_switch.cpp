#include "graph/qt/quantity_switch.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "graph/controls.h"
#include "graph/messages.h"

namespace kestrova {

QComboBox* make_quantity_switch(QWidget* parent, std::function<void(GraphState::Quantity)> chosen) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(ctl::chart_quantity.view()));
    for (int q = 0; q < 3; ++q) {
        box->addItem(QString::fromStdString(graph_msg::quantity_names[q]));
        box->setItemData(q, QString::fromStdString(graph_msg::quantity_tips[q]), Qt::ToolTipRole);
    }
    box->setToolTip(QString::fromStdString(graph_msg::quantity_switch_tip));
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [chosen = std::move(chosen)](int q) { chosen(static_cast<GraphState::Quantity>(q)); });
    return box;
}

void follow_quantity(QComboBox* box, GraphState::Quantity shown) {
    const int q = static_cast<int>(shown);
    if (box->currentIndex() == q) return;
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(q);
}

}  // namespace kestrova
