#include "graph/qt/move_chart_view.h"

#include <QComboBox>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QImage>
#include <QPainter>
#include <QGraphicsPathItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "graph/chart_events.h"
#include "graph/messages.h"
#include "graph/move_graph.h"
#include "graph/qt/plot_overlays.h"
#include "graph/qt/quantity_switch.h"
#include "graph/qt/vector_state.h"
#include "graph/quantity_series.h"

namespace kestrova {

namespace {

const QColor line_colours[chart_lines] = {QColor(0, 90, 200), QColor(220, 60, 40), QColor(30, 150, 60),
                                          QColor(200, 140, 0), QColor(140, 60, 180)};

const QColor band_red(220, 0, 0, 60), band_yellow(230, 200, 0, 70);

constexpr int click_slack = 4;   // pixels a click may move before it is a drag
constexpr int pick_pixels = 6;   // how near a click must be to a line

int button_state(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

// Small squares of one colour, filled whole-pixel and unsmoothed: each one a
// few spans, where a path of them all would wake the painting threads.
class MarkerItem : public QGraphicsItem {
public:
    MarkerItem(QColor colour, QGraphicsItem* parent) : QGraphicsItem(parent), colour_(colour) {}
    void set_rects(QList<QRect> rects) {
        prepareGeometryChange();
        rects_ = std::move(rects);
        bounds_ = QRectF();
        for (const QRect& r : rects_) bounds_ |= QRectF(r);
    }
    QRectF boundingRect() const override { return bounds_; }
    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override {
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setPen(Qt::NoPen);
        p->setBrush(colour_);
        p->drawRects(rects_);
    }

private:
    QColor colour_;
    QList<QRect> rects_;
    QRectF bounds_;
};

MoveChartView::MoveChartView(const GraphContext& context, QWidget* parent)
    : QChartView(new QChart, parent), context_(context), chart_(QChartView::chart()), frames_(new QValueAxis),
      seconds_(new QValueAxis), values_(new QValueAxis) {
    setMinimumSize(500, 260);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->setVisible(true);
    chart_->legend()->setAlignment(Qt::AlignTop);  // outside the plot, one compact row
    chart_->legend()->setFont(QFont("Arial", 8));
    chart_->addAxis(frames_, Qt::AlignBottom);
    chart_->addAxis(seconds_, Qt::AlignTop);
    chart_->addAxis(values_, Qt::AlignLeft);
    frames_->setLabelFormat("%.0f");
    frames_->setTickType(QValueAxis::TicksDynamic);
    frames_->setTitleText(QString::fromStdString(graph_msg::frame_axis));
    seconds_->setTickType(QValueAxis::TicksDynamic);
    seconds_->setTitleVisible(false);  // the labels say "s"; a title costs a rich-text layout per redraw
    seconds_->setGridLineVisible(false);
    for (QValueAxis* ruler : {frames_, seconds_}) ruler->setMinorTickCount(0);
    for (int c = 0; c < chart_lines; ++c) {
        auto* line = new QLineSeries;
        // One pixel wide, cosmetic: drawn without the stroker, which a wider line needs.
        QPen pen(line_colours[c], 1);
        pen.setCosmetic(true);
        line->setPen(pen);
        chart_->addSeries(line);
        line->attachAxis(frames_);
        line->attachAxis(values_);
        lines_[static_cast<std::size_t>(c)] = line;
        auto* markers = new MarkerItem(line_colours[c], chart_);
        markers->setZValue(95);  // over the lines and the bands
        keyframes_[static_cast<std::size_t>(c)] = markers;
    }
    // Two empty lines that only explain the bands in the legend.
    for (const auto& [name, colour] : {std::pair{graph_msg::limit_band, band_red},
                                       std::pair{graph_msg::acceleration_band, band_yellow}}) {
        auto* key = new QLineSeries;
        key->setName(QString::fromStdString(name));
        key->setPen(QPen(QColor(colour.red(), colour.green(), colour.blue(), 140), 6));
        chart_->addSeries(key);
        key->attachAxis(frames_);
        key->attachAxis(values_);
    }
    marked_ = new QGraphicsPathItem(chart_);
    marked_->setPen(QPen(Qt::black, 2));
    marked_->setZValue(96);
    band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    play_head_ = new QGraphicsLineItem(chart_);
    play_head_->setPen(QPen(QColor(0, 0, 0, 160), 1));
    play_head_->setZValue(100);  // over the lines
    play_head_->hide();
    marks_ = new QGraphicsPixmapItem(chart_);
    marks_->setZValue(90);  // over the plot, under the play-head
    marks_->hide();
    hint_ = new QGraphicsSimpleTextItem(QString::fromStdString(graph_msg::first_run_hint), chart_);
    hint_->setBrush(QColor(90, 90, 90));
    hint_->setFont(QFont("Arial", 9));
    hint_->setZValue(110);
    pins_ = new QGraphicsPathItem(chart_);
    pins_->setPen(Qt::NoPen);
    pins_->setZValue(96);
    pins_->setToolTip(QString::fromStdString(graph_msg::pinned_tip));
    overlays_ = std::make_unique<PlotOverlays>(chart_, std::span<const QColor, chart_lines>(line_colours));
    connect(chart_, &QChart::plotAreaChanged, this, [this] { place_overlays(); });
    size_settled_ = new QTimer(this);
    size_settled_->setSingleShot(true);
    size_settled_->setInterval(150);
    connect(size_settled_, &QTimer::timeout, this, [this] { sync(); });
    update_names();
    follow_palette();
}

MoveChartView::~MoveChartView() = default;

void MoveChartView::changeEvent(QEvent* e) {
    if (e->type() == QEvent::PaletteChange) follow_palette();
    QChartView::changeEvent(e);
}

void MoveChartView::follow_palette() {
    const QPalette p = palette();
    const QColor text = p.color(QPalette::Text);
    QColor grid = text;
    grid.setAlpha(60);  // faint on either look
    chart_->setBackgroundBrush(p.base());
    chart_->legend()->setLabelColor(text);
    for (QValueAxis* axis : {frames_, seconds_, values_}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setGridLineColor(grid);
        axis->setLinePenColor(grid);
    }
    marked_->setPen(QPen(text, 2));
    QColor head = text;
    head.setAlpha(160);
    play_head_->setPen(QPen(head, 1));
    hint_->setBrush(p.color(QPalette::PlaceholderText));
    pins_->setBrush(text);
}

void MoveChartView::update_names() {
    for (int c = 0; c < chart_lines; ++c) {
        std::string name = legend_name(context_, c);
        auto& shown = names_[static_cast<std::size_t>(c)];
        if (name == shown) continue;
        shown = std::move(name);
        lines_[static_cast<std::size_t>(c)]->setName(QString::fromStdString(shown));
    }
}

bool MoveChartView::hint_shown() const { return hint_->isVisible(); }

void MoveChartView::place_overlays() {
    place_play_head();
    place_marks();
    place_keyframes();
    place_hint();
    overlays_->place(context_.graph, context_.axes, chart_->plotArea(), visible_frames(context_.graph),
                     {values_->min(), values_->max()});
}

void MoveChartView::place_keyframes() {
    const GraphState& g = context_.graph;
    const FrameWindow w = visible_frames(g);
    constexpr int side = 5;  // a marker's side in pixels
    QPainterPath marked, pins;
    pins.setFillRule(Qt::WindingFill);  // diamonds on top of each other stay filled
    pinned_markers_ = 0;
    for (int c = 0; c < chart_lines; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const auto& values = g.series[i];
        marker_frames_[i] = keyframe_frames(context_.move, c, w);
        QList<QRect> rects;
        auto at = [&](int f) { return chart_->mapToPosition(QPointF(f, values[static_cast<std::size_t>(f - 1)]), lines_[i]); };
        for (int f : marker_frames_[i]) {
            if (f > static_cast<int>(values.size())) continue;
            const QPointF p = at(f);
            if (std::binary_search(g.pinned_frames.begin(), g.pinned_frames.end(), f)) {
                constexpr double r = 5;  // a pinned keyframe: a filled diamond in place of the square
                pins.addPolygon(QPolygonF({p + QPointF(0, -r), p + QPointF(r, 0), p + QPointF(0, r), p + QPointF(-r, 0)}));
                ++pinned_markers_;
                continue;
            }
            rects.append(QRect(static_cast<int>(std::lround(p.x())) - side / 2,
                               static_cast<int>(std::lround(p.y())) - side / 2, side, side));
        }
        keyframes_[i]->set_rects(std::move(rects));
        const int m = g.marked_frame;
        if (m >= w.first && m <= w.last && m <= static_cast<int>(values.size())) marked.addEllipse(at(m), 6, 6);
    }
    marked_->setPath(marked);
    pins_->setPath(pins);
}

void MoveChartView::place_hint() {
    hint_->setVisible(context_.move.keyframe_count() == 0);
    const QRectF a = chart_->plotArea(), r = hint_->boundingRect();
    hint_->setPos(a.center() - QPointF(r.width() / 2, r.height() / 2));
}

void MoveChartView::place_play_head() {
    const int frame = context_.graph.play_head;
    const FrameWindow w = visible_frames(context_.graph);
    if (frame <= 0 || frame < w.first || frame > w.last) {
        play_head_->hide();
        return;
    }
    const QRectF a = chart_->plotArea();
    const qreal x = chart_->mapToPosition(QPointF(frame, values_->min()), lines_[0]).x();
    play_head_->setLine(x, a.top(), x, a.bottom());
    play_head_->show();
}

void MoveChartView::place_marks() {
    const GraphState& g = context_.graph;
    const FrameWindow w = visible_frames(g);
    const QRectF a = chart_->plotArea();
    if (!marks_stale_ && g.marks_revision == placed_marks_ && a == marks_area_ && w.first == marks_window_.first &&
        w.last == marks_window_.last)
        return;
    marks_stale_ = false;
    placed_marks_ = g.marks_revision;
    marks_area_ = a;
    marks_window_ = w;
    // One image the plot's size, column by column: a single fill however many
    // bands there are (each band its own item woke the painting threads per band).
    const int columns = static_cast<int>(std::lround(a.width())), rows = static_cast<int>(std::lround(a.height()));
    const std::vector<Band> bands = band_columns(shown_marks(), w, columns);
    if (columns <= 0 || rows <= 0 || std::none_of(bands.begin(), bands.end(), [](Band b) { return b != Band::none; })) {
        marks_->hide();
        return;
    }
    const QRgb yellow = qPremultiply(band_yellow.rgba()), red = qPremultiply(band_red.rgba());
    QImage image(columns, rows, QImage::Format_ARGB32_Premultiplied);
    auto* first_row = reinterpret_cast<QRgb*>(image.scanLine(0));
    for (int x = 0; x < columns; ++x) {
        const Band b = bands[static_cast<std::size_t>(x)];
        first_row[x] = b == Band::limit ? red : b == Band::acceleration ? yellow : 0;
    }
    for (int y = 1; y < rows; ++y) std::memcpy(image.scanLine(y), first_row, static_cast<std::size_t>(columns) * 4);
    marks_->setPixmap(QPixmap::fromImage(std::move(image)));
    marks_->setPos(a.topLeft());
    marks_->show();
}

void MoveChartView::sync() {
    update_names();
    if (quantity_switch_) follow_quantity(quantity_switch_, context_.graph.quantity);
    const GraphState& g = context_.graph;
    const FrameWindow w = visible_frames(g);
    const int columns = static_cast<int>(chart_->plotArea().width());
    const bool same_data = g.revision == drawn_revision_ && g.previous_revision == drawn_previous_ &&
                           w.first == drawn_window_.first && w.last == drawn_window_.last;
    // A new width alone waits until the resizing stops: meanwhile the chart scales the drawn points.
    if (!same_data || (columns != drawn_columns_ && !size_settled_->isActive())) redraw();
    place_overlays();
}

void MoveChartView::redraw() {
    const GraphState& g = context_.graph;
    const FrameWindow w = visible_frames(g);
    int columns = static_cast<int>(chart_->plotArea().width());
    drawn_revision_ = g.revision;
    drawn_previous_ = g.previous_revision;
    drawn_window_ = w;
    drawn_columns_ = columns;
    if (columns <= 0) columns = std::max(width(), 1);

    // Empty lines first, so the new axis ranges re-lay out nothing; the axes
    // measure their labels, which leaves the vector state mixed (see
    // vector_state.h), so it is cleared before the lines take their points.
    for (QLineSeries* line : lines_) line->clear();
    constexpr int label_room = 60;  // pixels a label needs, with room between labels
    const int room = std::max(2, columns / label_room);
    const FrameTicks ticks = frame_ticks(w, room);
    const int last = std::max(w.last, w.first + 1);
    frames_->setRange(w.first, last);
    frames_->setTickAnchor(ticks.anchor);
    frames_->setTickInterval(ticks.interval);
    const FrameTicks secs = second_ticks({w.first, last}, room);
    seconds_->setRange(seconds_of(w.first), seconds_of(last));
    seconds_->setTickAnchor(secs.anchor);
    seconds_->setTickInterval(secs.interval);
    // Set only on a change: a new format lays every label out again.
    const QString format = secs.interval < 0.1 ? "%.2f s" : secs.interval < 1 ? "%.1f s" : "%.0f s";
    if (seconds_->labelFormat() != format) seconds_->setLabelFormat(format);
    ValueRange r = value_range(g, w);
    show_quantity_view(r);
    values_->setRange(r.min, r.max);
    values_->applyNiceNumbers();  // round labels; the range only grows

    for (int c = 0; c < chart_lines; ++c) {
        const auto pts = reduce_line(g.series[static_cast<std::size_t>(c)], w, columns);
        QList<QPointF> list;
        list.reserve(static_cast<qsizetype>(pts.size()));
        for (const ChartPoint& p : pts) list.append(QPointF(p.frame, p.value));
        clear_upper_vector_state();
        lines_[static_cast<std::size_t>(c)]->replace(list);
    }
}

QWidget* MoveChartView::quantity_switch(QWidget* parent) {
    quantity_switch_ = make_quantity_switch(parent, [this](GraphState::Quantity q) {
        show_quantity(context_, q);
        sync();
    });
    follow_quantity(quantity_switch_, context_.graph.quantity);
    return quantity_switch_;
}

void MoveChartView::show_quantity_view(ValueRange& r) {
    const GraphState& g = context_.graph;
    const bool position = g.quantity == GraphState::Quantity::position;
    if (!position) r = widen_to_limits(r, g, context_.axes);
    if (!position || !beyond_.empty()) {
        // The bands' image is made again only when the frames beyond have changed.
        std::vector<GraphState::Mark> now = frames_beyond(g, context_.axes);
        auto same = [](const GraphState::Mark& x, const GraphState::Mark& y) {
            return x.first == y.first && x.last == y.last && x.acceleration == y.acceleration;
        };
        if (!std::equal(now.begin(), now.end(), beyond_.begin(), beyond_.end(), same)) {
            beyond_ = std::move(now);
            marks_stale_ = true;
        }
    }
    const int q = static_cast<int>(g.quantity);
    if (q == titled_) return;  // a new title lays the axis out again
    titled_ = q;
    values_->setTitleText(QString::fromStdString(graph_msg::quantity_titles[q]));
    values_->setTitleVisible(!position);
    marks_stale_ = true;  // the move check's bands again, or the view's
}

std::span<const GraphState::Mark> MoveChartView::shown_marks() const {
    if (context_.graph.quantity == GraphState::Quantity::position) return context_.graph.marks;
    return beyond_;
}

const std::string& MoveChartView::band_tip(Band band) const {
    static const std::string none;
    const bool position = context_.graph.quantity == GraphState::Quantity::position;
    if (band == Band::limit) return position ? graph_msg::limit_band_tip : graph_msg::speed_beyond_tip;
    if (band == Band::acceleration) return position ? graph_msg::acceleration_band_tip : graph_msg::acceleration_beyond_tip;
    return none;
}

QPointF MoveChartView::to_chart(const QPoint& p) const { return chart_->mapFromScene(mapToScene(p)); }

QPointF MoveChartView::to_value(const QPoint& p) const { return chart_->mapToValue(to_chart(p), lines_[0]); }

PlotRect MoveChartView::plot_rect() const {
    const QRectF a = chart_->plotArea();
    return {a.left(), a.right(), a.top(), a.bottom()};
}

int MoveChartView::line_near(const QPoint& p, int& frame) const {
    const QPointF v = to_value(p);
    const double tolerance = pick_pixels * (values_->max() - values_->min()) / std::max(chart_->plotArea().height(), 1.0);
    frame = static_cast<int>(std::lround(v.x()));
    return pick_line(context_.graph, frame, v.y(), tolerance);
}

void MoveChartView::hover(const QPoint& pos) {
    if (!chart_->plotArea().contains(to_chart(pos))) return;
    int frame = 0;
    const int line = line_near(pos, frame);
    if (line >= 0)
        if (auto* main = qobject_cast<QMainWindow*>(window()))
            main->statusBar()->showMessage(QString::fromStdString(point_text(context_, line, frame)), 5000);
    const std::string& tip = band_tip(band_at(shown_marks(), frame));
    if (viewport()->toolTip().toStdString() != tip) viewport()->setToolTip(QString::fromStdString(tip));
}

bool MoveChartView::marker_at(const QPoint& pos, int& line, int& frame) const {
    const GraphState& g = context_.graph;
    if (g.speedmode || g.quantity != GraphState::Quantity::position) return false;  // markers on other values
    const QPointF p = to_chart(pos);
    double best = pick_pixels * pick_pixels;
    bool found = false;
    for (int c = 0; c < chart_lines; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (!g.showaxis[i]) continue;
        const auto& values = g.series[i];
        for (int f : marker_frames_[i]) {
            if (f > static_cast<int>(values.size())) continue;
            const QPointF value(f, values[static_cast<std::size_t>(f - 1)]);
            const QPointF d = chart_->mapToPosition(value, lines_[i]) - p;
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (distance > best) continue;
            best = distance;
            line = c;
            frame = f;
            found = true;
        }
    }
    return found;
}

bool MoveChartView::press_on_marker(QMouseEvent* e) {
    int line = 0, frame = 0;
    if (!drag_hooks_.begin || !marker_at(e->pos(), line, frame)) return false;
    e->accept();
    // Refused (the rig follows the move): said, and the press neither drags nor pans.
    if (!drag_hooks_.begin(line, frame)) return true;
    press_ = e->pos();
    drag_values_ = {values_->min(), values_->max()};
    marker_moved_ = false;
    drag_ = Drag::keyframe;
    setFocus(Qt::MouseFocusReason);  // for Escape
    return true;
}

void MoveChartView::drag_marker(QMouseEvent* e) {
    const QPoint d = e->pos() - press_;
    if (!marker_moved_ && std::abs(d.x()) <= click_slack && std::abs(d.y()) <= click_slack) return;
    marker_moved_ = true;
    // Read against the value axis as it was at the press: the axis the reshaped
    // move gets must not carry the pointer's value away with it.
    const QRectF a = chart_->plotArea();
    const double value = drag_values_.min + (a.bottom() - to_chart(e->pos()).y()) / std::max(a.height(), 1.0) *
                                                (drag_values_.max - drag_values_.min);
    const DragKeep keep = e->modifiers() & Qt::ShiftModifier     ? DragKeep::frame
                          : e->modifiers() & Qt::ControlModifier ? DragKeep::position
                                                                 : DragKeep::nothing;
    const std::string text = drag_hooks_.update(to_value(e->pos()).x(), value, keep);
    if (auto* main = qobject_cast<QMainWindow*>(window()))
        main->statusBar()->showMessage(QString::fromStdString(text), 5000);
    sync();
}

void MoveChartView::end_marker_drag(bool keep) {
    drag_ = Drag::none;
    drag_hooks_.end(keep);
    sync();
}

bool MoveChartView::event(QEvent* e) {
    // While a marker is dragged no shortcut runs: an undo or a play would meet
    // the move in mid-edit. Its keys come to keyPressEvent instead.
    if (drag_ == Drag::keyframe && e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    return QChartView::event(e);
}

void MoveChartView::keyPressEvent(QKeyEvent* e) {
    if (drag_ != Drag::keyframe) {
        QChartView::keyPressEvent(e);
        return;
    }
    if (e->key() == Qt::Key_Escape) end_marker_drag(false);
    e->accept();
}

void MoveChartView::mousePressEvent(QMouseEvent* e) {
    if (drag_ == Drag::keyframe && e->button() == Qt::RightButton) {
        end_marker_drag(false);
        eat_right_release_ = true;
        e->accept();
        return;
    }
    if (e->button() == Qt::LeftButton && chart_->plotArea().contains(to_chart(e->pos())) && press_on_marker(e)) return;
    if (e->button() == Qt::LeftButton && chart_->plotArea().contains(to_chart(e->pos()))) {
        press_ = e->pos();
        pan_from_ = visible_frames(context_.graph);
        drag_ = e->modifiers() & Qt::ShiftModifier ? Drag::zoom : Drag::pan;
        if (drag_ == Drag::zoom) {
            const QRectF a = chart_->plotArea();
            band_->setGeometry(QRect(press_.x(), static_cast<int>(a.top()), 0, static_cast<int>(a.height())));
            band_->show();
        }
        e->accept();
        return;
    }
    QChartView::mousePressEvent(e);
}

void MoveChartView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = to_chart(e->pos());
    chart_pointer(context_, plot_rect(), {frames_->min(), frames_->max()}, {values_->min(), values_->max()},
                  static_cast<float>(p.x()), static_cast<float>(p.y()), button_state(e->buttons()));
    const QRectF a = chart_->plotArea();
    if (drag_ == Drag::keyframe) {
        drag_marker(e);
    } else if (drag_ == Drag::zoom) {
        const int x = std::clamp(e->pos().x(), static_cast<int>(a.left()), static_cast<int>(a.right()));
        band_->setGeometry(QRect(QPoint(std::min(x, press_.x()), static_cast<int>(a.top())),
                                 QSize(std::abs(x - press_.x()), static_cast<int>(a.height()))));
    } else if (drag_ == Drag::pan && std::abs(e->pos().x() - press_.x()) > click_slack) {
        // From where the drag began: the frame under the pointer stays under it.
        const double per_pixel = (pan_from_.last - pan_from_.first) / std::max(a.width(), 1.0);
        GraphState& g = context_.graph;
        if (g.zoom_first != 0) {
            g.zoom_first = pan_from_.first;
            g.zoom_last = pan_from_.last;
            pan_frames(g, (press_.x() - e->pos().x()) * per_pixel);
            sync();
        }
    } else {
        hover(e->pos());
    }
    QChartView::mouseMoveEvent(e);
}

void MoveChartView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton && std::exchange(eat_right_release_, false)) {
        e->accept();
        return;
    }
    if (drag_ == Drag::keyframe && e->button() == Qt::LeftButton) {
        end_marker_drag(marker_moved_);
        if (marker_moved_) {
            e->accept();
            return;
        }
        drag_ = Drag::pan;  // no more than a click on the marker: a click, as anywhere
    }
    if (e->button() == Qt::RightButton) {
        zoom_reset(context_.graph);
        sync();
        e->accept();
        return;
    }
    if (e->button() != Qt::LeftButton || drag_ == Drag::none) {
        QChartView::mouseReleaseEvent(e);
        return;
    }
    const Drag drag = std::exchange(drag_, Drag::none);
    band_->hide();
    if (std::abs(e->pos().x() - press_.x()) > click_slack) {
        if (drag == Drag::zoom) {
            zoom_frames(context_.graph, to_value(press_).x(), to_value(e->pos()).x());
            sync();
        }
    } else {
        int frame = 0;
        const int line = line_near(e->pos(), frame);
        if (line >= 0)
            chart_point_selected(context_, line, frame);
        else
            chart_selected(context_);
    }
    e->accept();
}

void MoveChartView::mouseDoubleClickEvent(QMouseEvent* e) {
    zoom_reset(context_.graph);
    sync();
    e->accept();
}

void MoveChartView::wheelEvent(QWheelEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (!chart_->plotArea().contains(to_chart(pos)) || e->angleDelta().y() == 0) {
        QChartView::wheelEvent(e);
        return;
    }
    // A notch away from the operator zooms in by a fifth.
    zoom_around(context_.graph, to_value(pos).x(), std::pow(0.8, e->angleDelta().y() / 120.0));
    sync();
    e->accept();
}

void MoveChartView::paintEvent(QPaintEvent* e) {
    clear_upper_vector_state();
    QChartView::paintEvent(e);
}

void MoveChartView::resizeEvent(QResizeEvent* e) {
    QChartView::resizeEvent(e);
    // Reducing and stroking the lines again at every step of a window drag
    // kept the window's thread from the clock's steps: once drawn, the lines
    // are reduced to a new width only when the size has held still a moment.
    if (drawn_columns_ > 0) size_settled_->start();
    sync();
}

}  // namespace kestrova
