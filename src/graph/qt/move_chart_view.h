// The chart widget: five lines as the graph state holds them, reduced to the
// plot's pixel columns. A left drag zooms into a frame range, a right click
// shows the whole move again; pointer and clicks go to the core's chart events.
#pragma once

#include <QChartView>
#include <array>
#include <string>

#include "graph/chart_data.h"
#include "graph/graph_context.h"

class QGraphicsLineItem;
class QGraphicsPixmapItem;
class QLineSeries;
class QValueAxis;
class QRubberBand;

namespace kestrova {

class MoveChartView : public QChartView {
public:
    MoveChartView(const GraphContext& context, QWidget* parent);

    // Redraw when the graph state, the zoom or the plot's width has changed.
    void sync();
    // Draw now, whatever changed.
    void redraw();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QPointF to_chart(const QPoint& p) const;
    PlotRect plot_rect() const;
    void update_names();
    void place_play_head();
    void place_marks();

    GraphContext context_;
    QChart* chart_;
    std::array<QLineSeries*, chart_lines> lines_{};
    std::array<std::string, chart_lines> names_;
    QValueAxis* frames_;
    QValueAxis* values_;
    QRubberBand* band_;
    QGraphicsLineItem* play_head_;
    QGraphicsPixmapItem* marks_;     // every band in one image over the plot
    unsigned placed_marks_ = 0;      // the marks revision placed
    QRectF marks_area_;              // the plot area they were placed in
    FrameWindow marks_window_{};
    QPoint press_;
    bool dragging_ = false;

    unsigned drawn_revision_ = ~0u;
    FrameWindow drawn_window_{0, 0};
    int drawn_columns_ = -1;
};

}  // namespace kestrova
