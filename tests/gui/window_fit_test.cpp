#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>

#include "app/qt/window_geometry.h"
#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

namespace {

// The visible widgets that stand for a control of the main window, with
// their rectangles in window coordinates. Frames hold other controls, so
// they are left out of the overlap check.
std::vector<std::pair<QWidget*, QRect>> visible_controls(Window& w) {
    std::vector<std::pair<QWidget*, QRect>> out;
    for (const std::string& name : w.panel().names()) {
        if (w.panel().at(ControlName{name}).kind == ControlKind::Frame) continue;
        auto* widget = w.window->centralWidget()->findChild<QWidget*>(QString::fromStdString(name));
        if (!widget || !widget->isVisible()) continue;
        out.emplace_back(widget, QRect(widget->mapTo(w.window.get(), QPoint(0, 0)), widget->size()));
    }
    return out;
}

void expect_nothing_clipped_or_overlapping(Window& w, QSize size) {
    w.window->resize(size);
    QApplication::processEvents();
    // What the scroll area shows without scrolling.
    const QWidget* viewport = w.window->findChild<QScrollArea*>("mainScroll")->viewport();
    const QRect central(viewport->mapTo(w.window.get(), QPoint(0, 0)), viewport->size());
    const auto controls = visible_controls(w);
    ASSERT_GT(controls.size(), 100u);
    for (const auto& [widget, rect] : controls) {
        EXPECT_TRUE(central.contains(rect)) << widget->objectName().toStdString() << " clipped at " << size.width()
                                            << "x" << size.height();
        if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 4, b->width())
                << b->objectName().toStdString() << " caption cut";
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                << controls[i].first->objectName().toStdString() << " overlaps "
                << controls[j].first->objectName().toStdString();
}

}  // namespace

TEST(WindowFit, NothingClippedOrOverlappingAtTheMinimumSizeAnd1280By800ASmallScreenScrollsAndTheStartSizeFits) {
    Window w;
    fit_to_screen(*w.window, QSize(1280, 800));
    expect_nothing_clipped_or_overlapping(w, w.window->minimumSize());
    expect_nothing_clipped_or_overlapping(w, QSize(1280, 800));

    // It can shrink to a small screen.
    fit_to_screen(*w.window, QSize(1024, 768));
    EXPECT_LE(w.window->minimumWidth(), 1024);
    EXPECT_LE(w.window->minimumHeight(), 768);

    // It starts at most nine tenths of the screen large, but never below its minimum.
    EXPECT_EQ(start_size({1400, 900}, {800, 600}, {1024, 768}), QSize(921, 691));
    EXPECT_EQ(start_size({1400, 900}, {800, 600}, {3840, 2160}), QSize(1400, 900));
    EXPECT_EQ(start_size({1400, 900}, {800, 600}, {640, 480}), QSize(800, 600));
}
