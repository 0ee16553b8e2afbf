// The chart widget: five lines as the graph state holds them, reduced to the
// plot's pixel columns, with the keyframes marked on every line, the
// move-check bands, a frame ruler and a seconds ruler. The wheel zooms round
// the pointer, a left drag pans, a Shift+left drag zooms into a frame range, a
// double-click or a right click shows the whole move again; the pointer reads
// the nearest point out in the status bar and clicks go to the core's chart events.
// A left drag that starts on a keyframe marker moves that keyframe instead.
#pragma once

#include <QChartView>
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "graph/chart_data.h"
#include "graph/graph_context.h"
#include "graph/keyframe_drag.h"

class QComboBox;
class QGraphicsLineItem;
class QGraphicsPathItem;
class QGraphicsPixmapItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;
class QRubberBand;
class QTimer;

namespace kestrova {

class MarkerItem;
class PlotOverlays;

class MoveChartView : public QChartView {
public:
    MoveChartView(const GraphContext& context, QWidget* parent);
    ~MoveChartView() override;

    // Redraw when the graph state, the zoom or the plot's width has changed
    // (a new width once the view has stopped being resized).
    void sync();
    // Draw now, whatever changed.
    void redraw();
    // What a dragged keyframe marker asks of the program above.
    void set_keyframe_drag(KeyframeDragHooks hooks) { drag_hooks_ = std::move(hooks); }

    // What the overlays show, for the window's tests.
    const std::vector<int>& keyframe_markers(int line) const { return marker_frames_[static_cast<std::size_t>(line)]; }
    bool hint_shown() const;
    int pinned_markers() const { return pinned_markers_; }
    const QValueAxis& value_axis() const { return *values_; }

    // The operator's switch between position, speed and acceleration, kept
    // in step with the graph state.
    QWidget* quantity_switch(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The chart's own colours (background, rulers, texts) from the window's
    // palette, so a dark look gets a dark chart; the lines keep theirs.
    void follow_palette();
    QPointF to_chart(const QPoint& p) const;
    QPointF to_value(const QPoint& p) const;
    PlotRect plot_rect() const;
    int line_near(const QPoint& p, int& frame) const;
    void update_names();
    void place_overlays();
    void place_play_head();
    void place_marks();
    void place_keyframes();
    void place_hint();
    // The view's own title and frames beyond, for a new drawing.
    void show_quantity_view(ValueRange& range);
    std::span<const GraphState::Mark> shown_marks() const;
    const std::string& band_tip(Band band) const;
    void hover(const QPoint& p);
    // The keyframe marker within a few pixels of `p`: its line and frame.
    bool marker_at(const QPoint& p, int& line, int& frame) const;
    bool press_on_marker(QMouseEvent* e);
    void drag_marker(QMouseEvent* e);
    void end_marker_drag(bool keep);

    GraphContext context_;
    QChart* chart_;
    std::array<QLineSeries*, chart_lines> lines_{};
    std::array<std::string, chart_lines> names_;
    QValueAxis* frames_;
    QValueAxis* seconds_;
    QValueAxis* values_;
    QRubberBand* band_;
    QGraphicsLineItem* play_head_;
    QGraphicsPixmapItem* marks_;     // every band in one image over the plot
    std::array<MarkerItem*, chart_lines> keyframes_{};
    QGraphicsPathItem* marked_;      // the keyframe the operator selected
    QGraphicsSimpleTextItem* hint_;  // first steps, on the empty chart
    QGraphicsPathItem* pins_;        // pinned keyframes: a filled diamond each
    int pinned_markers_ = 0;
    std::unique_ptr<PlotOverlays> overlays_;  // limits and the move before a retiming
    QComboBox* quantity_switch_ = nullptr;
    std::vector<GraphState::Mark> beyond_;  // frames beyond the limits in the speed or acceleration view
    bool marks_stale_ = false;       // the view's frames beyond changed since the bands were placed
    int titled_ = -1;                // the quantity the value axis is titled for
    std::array<std::vector<int>, chart_lines> marker_frames_;
    unsigned placed_marks_ = 0;      // the marks revision placed
    QRectF marks_area_;              // the plot area they were placed in
    FrameWindow marks_window_{};
    QPoint press_;
    enum class Drag { none, pan, zoom, keyframe } drag_ = Drag::none;
    KeyframeDragHooks drag_hooks_;
    ValueRange drag_values_{};        // the value axis at the press: the pointer is read against it
    bool marker_moved_ = false;       // the dragged marker has left the click's slack
    bool eat_right_release_ = false;  // the right press cancelled a marker drag
    FrameWindow pan_from_{};

    unsigned drawn_revision_ = ~0u;
    unsigned drawn_previous_ = ~0u;  // the move before a retiming, as the value range holds it
    FrameWindow drawn_window_{0, 0};
    int drawn_columns_ = -1;
    QTimer* size_settled_;           // runs while the view is being resized
};

}  // namespace kestrova
