#include <gtest/gtest.h>

#include <cmath>

#include "graph/chart_data.h"

using namespace kestrova;

namespace {

// The lowest and highest value a pixel column shows, from the points of a line.
std::pair<double, double> column_extent(const std::vector<ChartPoint>& pts, double lo_frame, double hi_frame) {
    double lo = INFINITY, hi = -INFINITY;
    for (const ChartPoint& p : pts)
        if (p.frame >= lo_frame && p.frame <= hi_frame) {
            lo = std::min(lo, p.value);
            hi = std::max(hi, p.value);
        }
    return {lo, hi};
}

}  // namespace

TEST(ChartData, ShortWindowsKeepEveryPointLongOnesEveryColumnsExtremesInFrameOrder) {
    const std::vector<double> few{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(reduce_line(few, {2, 5}, 100), (std::vector<ChartPoint>{{2, 2}, {3, 3}, {4, 4}, {5, 5}}));

    std::vector<double> v(32766);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = std::sin(i * 0.01) * 1000 + (i % 97 == 0 ? 300 : 0);
    const int columns = 700;
    const auto pts = reduce_line(v, {1, 32766}, columns);
    EXPECT_LE(pts.size(), static_cast<std::size_t>(columns) * 4);
    EXPECT_EQ(pts.front().frame, 1);
    EXPECT_EQ(pts.back().frame, 32766);
    for (std::size_t i = 1; i < pts.size(); ++i) ASSERT_LT(pts[i - 1].frame, pts[i].frame);
    // Every column shows the same span of values as the full line.
    std::vector<ChartPoint> all;
    for (std::size_t i = 0; i < v.size(); ++i) all.push_back({static_cast<double>(i + 1), v[i]});
    for (int col = 0; col < columns; ++col) {
        const int a = 1 + static_cast<int>(32766LL * col / columns);
        const int b = static_cast<int>(32766LL * (col + 1) / columns);
        ASSERT_EQ(column_extent(pts, a, b), column_extent(all, a, b)) << col;
    }
}

TEST(ChartData, ValueRangeCoversEveryLineAndWidensAFlatChartTicksRefineWhenZoomedAndPickFindsTheNearestLine) {
    GraphState g;
    for (auto& line : g.series) line.assign(1500, 0.0);
    ValueRange flat = value_range(g, {1, 10});
    EXPECT_LT(flat.min, 0);
    EXPECT_GT(flat.max, 0);
    g.series[3][4] = 500;
    g.series[1][9] = -100;
    const ValueRange r = value_range(g, {1, 10});
    EXPECT_LE(r.min, -100);
    EXPECT_GE(r.max, 500);
    const ValueRange part = value_range(g, {1, 4});  // the window decides
    EXPECT_LT(part.max, 500);
    g.previous[0].assign(10, 900.0);  // the move before a retiming fits too
    EXPECT_GE(value_range(g, {1, 4}).max, 900);

    // Rulers step by 1, 2 or 5 times a power of ten, at most ten labels or what fits.
    EXPECT_EQ(frame_ticks({1, 1500}).interval, 200);
    EXPECT_EQ(frame_ticks({100, 200}).interval, 10);
    EXPECT_EQ(frame_ticks({1, 5}).interval, 1);  // whole frames
    EXPECT_EQ(frame_ticks({1, 32766}, 5).interval, 10000);
    EXPECT_EQ(second_ticks({1, 1501}).interval, 10);  // 60 s
    EXPECT_DOUBLE_EQ(second_ticks({1, 51}).interval, 0.2);

    g.series[2][4] = 510;  // frame 5: lines 3 and 2 at 500 and 510
    const std::pair<std::pair<int, double>, int> picks[] = {{{5, 504}, 3}, {{5, 506}, 2}, {{5, 480}, -1}, {{1501, 0}, -1}};
    for (const auto& [at, line] : picks) EXPECT_EQ(pick_line(g, at.first, at.second, 10), line) << at.second;
}

// Every band falls into the pixel columns of its frames, red over yellow where both meet.
TEST(ChartData, BandColumnsShadeTheirFramesRedBeforeYellow) {
    GraphState g;
    g.marks = {{11, 20, true}, {16, 30, false}, {90, 90, true}};
    const auto b = band_columns(g, {1, 101}, 10);  // ten frames a column, column 0 from 1 to 11
    using B = Band;
    EXPECT_EQ(b, (std::vector<Band>{B::acceleration, B::limit, B::limit, B::none, B::none, B::none, B::none, B::none,
                                   B::acceleration, B::none}));
    EXPECT_EQ(band_columns(g, {40, 80}, 8), std::vector<Band>(8, B::none));  // zoomed between the bands
    EXPECT_EQ(band_at(g, 18), B::limit);
    EXPECT_EQ(band_at(g, 12), B::acceleration);
    EXPECT_EQ(band_at(g, 31), B::none);
}
