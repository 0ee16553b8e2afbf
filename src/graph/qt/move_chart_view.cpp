#include "graph/qt/move_chart_view.h"

#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QImage>
#include <QLineSeries>
#include <QMouseEvent>
#include <QRubberBand>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "graph/chart_events.h"
#include "graph/qt/vector_state.h"

namespace kestrova {

namespace {

const QColor line_colours[chart_lines] = {QColor(0, 90, 200), QColor(220, 60, 40), QColor(30, 150, 60),
                                          QColor(200, 140, 0), QColor(140, 60, 180)};

constexpr int click_slack = 4;   // pixels a click may move before it is a drag
constexpr int pick_pixels = 6;   // how near a click must be to a line

int button_state(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

MoveChartView::MoveChartView(const GraphContext& context, QWidget* parent)
    : QChartView(new QChart, parent), context_(context), chart_(QChartView::chart()), frames_(new QValueAxis), values_(new QValueAxis) {
    setMinimumSize(500, 260);
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->setVisible(true);
    chart_->legend()->setAlignment(Qt::AlignLeft);
    chart_->legend()->setFont(QFont("Arial", 8));
    chart_->addAxis(frames_, Qt::AlignBottom);
    chart_->addAxis(values_, Qt::AlignLeft);
    frames_->setLabelFormat("%.0f");
    frames_->setTickType(QValueAxis::TicksDynamic);
    frames_->setTitleText("frame");
    for (int c = 0; c < chart_lines; ++c) {
        auto* line = new QLineSeries;
        QPen pen(line_colours[c], 1);
        pen.setCosmetic(true);
        line->setPen(pen);
        chart_->addSeries(line);
        line->attachAxis(frames_);
        line->attachAxis(values_);
        lines_[static_cast<std::size_t>(c)] = line;
    }
    band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    play_head_ = new QGraphicsLineItem(chart_);
    play_head_->setPen(QPen(QColor(0, 0, 0, 160), 1));
    play_head_->setZValue(100);  // over the lines
    play_head_->hide();
    marks_ = new QGraphicsPixmapItem(chart_);
    marks_->setZValue(90);  // over the plot, under the play-head
    marks_->hide();
    update_names();
}

void MoveChartView::update_names() {
    for (int c = 0; c < chart_lines; ++c) {
        std::string name = line_name(context_.axis_names, c);
        auto& shown = names_[static_cast<std::size_t>(c)];
        if (name == shown) continue;
        shown = std::move(name);
        lines_[static_cast<std::size_t>(c)]->setName(QString::fromStdString(shown));
    }
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
    if (g.marks_revision == placed_marks_ && a == marks_area_ && w.first == marks_window_.first &&
        w.last == marks_window_.last)
        return;
    placed_marks_ = g.marks_revision;
    marks_area_ = a;
    marks_window_ = w;
    // One image the plot's size, column by column: a single fill however many
    // bands there are (each band its own item woke the painting threads per band).
    const int columns = static_cast<int>(std::lround(a.width())), rows = static_cast<int>(std::lround(a.height()));
    const std::vector<Band> bands = band_columns(g, w, columns);
    if (columns <= 0 || rows <= 0 || std::none_of(bands.begin(), bands.end(), [](Band b) { return b != Band::none; })) {
        marks_->hide();
        return;
    }
    const QRgb yellow = qPremultiply(qRgba(230, 200, 0, 70)), red = qPremultiply(qRgba(220, 0, 0, 60));
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
    place_play_head();
    place_marks();
    const GraphState& g = context_.graph;
    const FrameWindow w = visible_frames(g);
    const int columns = static_cast<int>(chart_->plotArea().width());
    if (g.revision == drawn_revision_ && w.first == drawn_window_.first && w.last == drawn_window_.last &&
        columns == drawn_columns_)
        return;
    redraw();
}

void MoveChartView::redraw() {
    const GraphState& g = context_.graph;
    const FrameWindow w = visible_frames(g);
    int columns = static_cast<int>(chart_->plotArea().width());
    drawn_revision_ = g.revision;
    drawn_window_ = w;
    drawn_columns_ = columns;
    if (columns <= 0) columns = std::max(width(), 1);

    // Empty lines first, so the new axis ranges re-lay out nothing; the axes
    // measure their labels, which leaves the vector state mixed (see
    // vector_state.h), so it is cleared before the lines take their points.
    for (QLineSeries* line : lines_) line->clear();
    constexpr int label_room = 44;  // pixels a five-digit frame label needs
    const FrameTicks ticks = frame_ticks(g, w, std::max(2, columns / label_room));
    frames_->setRange(w.first, std::max(w.last, w.first + 1));
    frames_->setTickAnchor(ticks.anchor);
    frames_->setTickInterval(ticks.interval);
    const ValueRange r = value_range(g, w);
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

QPointF MoveChartView::to_chart(const QPoint& p) const { return chart_->mapFromScene(mapToScene(p)); }

PlotRect MoveChartView::plot_rect() const {
    const QRectF a = chart_->plotArea();
    return {a.left(), a.right(), a.top(), a.bottom()};
}

void MoveChartView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && chart_->plotArea().contains(to_chart(e->pos()))) {
        press_ = e->pos();
        dragging_ = true;
        const QRectF a = chart_->plotArea();
        band_->setGeometry(QRect(press_.x(), static_cast<int>(a.top()), 0, static_cast<int>(a.height())));
        band_->show();
        e->accept();
        return;
    }
    QChartView::mousePressEvent(e);
}

void MoveChartView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = to_chart(e->pos());
    chart_pointer(context_, plot_rect(), {frames_->min(), frames_->max()}, {values_->min(), values_->max()},
                  static_cast<float>(p.x()), static_cast<float>(p.y()), button_state(e->buttons()));
    if (dragging_) {
        const QRectF a = chart_->plotArea();
        const int x = std::clamp(e->pos().x(), static_cast<int>(a.left()), static_cast<int>(a.right()));
        band_->setGeometry(QRect(QPoint(std::min(x, press_.x()), static_cast<int>(a.top())),
                                 QSize(std::abs(x - press_.x()), static_cast<int>(a.height()))));
    }
    QChartView::mouseMoveEvent(e);
}

void MoveChartView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        zoom_reset(context_.graph);
        sync();
        e->accept();
        return;
    }
    if (e->button() != Qt::LeftButton || !dragging_) {
        QChartView::mouseReleaseEvent(e);
        return;
    }
    dragging_ = false;
    band_->hide();
    const QPointF at = to_chart(e->pos());
    if (std::abs(e->pos().x() - press_.x()) > click_slack) {
        zoom_frames(context_.graph, chart_->mapToValue(to_chart(press_)).x(), chart_->mapToValue(at).x());
        sync();
    } else {
        const QPointF v = chart_->mapToValue(at);
        const QRectF a = chart_->plotArea();
        const double tolerance = pick_pixels * (values_->max() - values_->min()) / std::max(a.height(), 1.0);
        const int frame = static_cast<int>(std::lround(v.x()));
        const int line = pick_line(context_.graph, frame, v.y(), tolerance);
        if (line >= 0)
            chart_point_selected(context_, line, frame);
        else
            chart_selected(context_);
    }
    e->accept();
}

void MoveChartView::paintEvent(QPaintEvent* e) {
    clear_upper_vector_state();
    QChartView::paintEvent(e);
}

void MoveChartView::resizeEvent(QResizeEvent* e) {
    QChartView::resizeEvent(e);
    sync();
}

}  // namespace kestrova
