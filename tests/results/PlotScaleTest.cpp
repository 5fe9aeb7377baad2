#include "gui/results/PlotScale.h"
#include "gui/model/NumberText.h"
#include "gui/results/GraphPlot.h"
#include "gui/results/PlotLayout.h"
#include "gui/results/PlotMarkerShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace korva::gui;

namespace {

// A graph with one curve through the given (x, y) points.
void Fill(TGraphPlot& graph, const std::vector<TFloatPoint>& points)
{
    graph.SetLineCount(1);
    graph.SetCount(static_cast<int>(points.size()));
    for (std::size_t j = 0; j < points.size(); ++j)
        graph.Data(0, static_cast<int>(j)) = points[j];
}

TEST(PlotExtent, StepAndOutwardRounding)
{
    EXPECT_DOUBLE_EQ(ExtentStep(2.4), 0.1);
    EXPECT_DOUBLE_EQ(ExtentStep(47.0), 10.0);
    EXPECT_DOUBLE_EQ(ExtentStep(3.0), 1.0);
    EXPECT_DOUBLE_EQ(ExtentStep(0.02), 0.001);
    // Exactly three of a decade, whose logarithm falls a rounding error short.
    EXPECT_DOUBLE_EQ(ExtentStep(30.0), 10.0);
    EXPECT_DOUBLE_EQ(ExtentStep(0.3), 0.1);
    EXPECT_DOUBLE_EQ(ExtentStep(0.03), 0.01);
    EXPECT_DOUBLE_EQ(ExtentStep(1000.0), 100.0);

    struct Case
    {
        std::vector<TFloatPoint> points;
        double left, right, top, bottom;
    };
    const Case cases[] = {
        {{{0.0, 0.0}, {2.4, 1.0}}, 0.0, 2.4, 0.0, 1.0},
        {{{0.0, 0.0}, {47.0, 10.0}}, 0.0, 50.0, 0.0, 10.0},
        // all x at 0: widened to +-0.01 (step 0.001 keeps the limits)
        {{{0.0, 0.0}, {0.0, 5.0}}, -0.01, 0.01, 0.0, 5.0},
        // 0 always inside; negative values round away from zero
        {{{5.0, 12.0}, {7.3, 20.0}}, 0.0, 8.0, 0.0, 20.0},
        {{{-13.0, 1.0}, {2.0, 2.0}}, -13.0, 2.0, 0.0, 2.0},
        {{{-2.05, 0.0}, {0.0, 1.1}}, -2.1, 0.0, 0.0, 1.1},
    };
    for (const auto& c : cases) {
        TGraphPlot graph;
        Fill(graph, c.points);
        TLogicBounds b = FullExtent(graph);
        EXPECT_NEAR(b.Left, c.left, 1e-12);
        EXPECT_NEAR(b.Right, c.right, 1e-12);
        EXPECT_NEAR(b.Top, c.top, 1e-12);
        EXPECT_NEAR(b.Bottom, c.bottom, 1e-12);
    }
}

TEST(PlotExtent, ElevationPlotKeepsTheGreaterValueOnTop)
{
    TGraphPlot graph;
    graph.Yreversed = true;
    Fill(graph, {{0.0, 100.0}, {30.0, 80.0}, {55.0, 60.0}});
    TLogicBounds b = FullExtent(graph);
    EXPECT_DOUBLE_EQ(b.Top, 100.0);
    EXPECT_DOUBLE_EQ(b.Bottom, 60.0);
    EXPECT_DOUBLE_EQ(b.Left, 0.0);
    EXPECT_DOUBLE_EQ(b.Right, 60.0);

    // Limits not on the step: the lower elevation rounds down, the upper one up.
    Fill(graph, {{0.0, 98.0}, {10.0, 61.0}});
    b = FullExtent(graph);
    EXPECT_DOUBLE_EQ(b.Top, 100.0);
    EXPECT_DOUBLE_EQ(b.Bottom, 60.0);
    // Elevations below datum: no data are cut off.
    Fill(graph, {{0.0, -12.0}, {10.0, -51.0}});
    b = FullExtent(graph);
    EXPECT_DOUBLE_EQ(b.Top, -10.0);
    EXPECT_DOUBLE_EQ(b.Bottom, -60.0);
}

TEST(PlotTicks, SpacingAndIndexRange)
{
    EXPECT_DOUBLE_EQ(SnapSpacing(8.33), 5.0);
    EXPECT_DOUBLE_EQ(SnapSpacing(1.9), 1.0);
    EXPECT_DOUBLE_EQ(SnapSpacing(0.25), 0.2);
    EXPECT_DOUBLE_EQ(SnapSpacing(0.0501), 0.05);
    EXPECT_DOUBLE_EQ(SnapSpacing(93.0), 100.0);

    // 600 px at H = 16: six majors over 0..50 -> major 5, minor 1, labels 0, 5, ... 50.
    TTickSpacing t = ComputeTickSpacing({0.0, 50.0, 0.0, 50.0}, 600, 600, 16);
    ASSERT_TRUE(t.Valid);
    EXPECT_DOUBLE_EQ(t.MajorX, 5.0);
    EXPECT_DOUBLE_EQ(t.MinorX, 1.0);
    EXPECT_EQ(t.StartX, 0);
    EXPECT_EQ(t.FinishX, 50);

    // A window that does not contain 0 still begins its index range at 0; y uses the
    // smaller and greater of Top and Bottom.
    t = ComputeTickSpacing({40.0, 45.0, 90.0, 80.0}, 600, 600, 16);
    ASSERT_TRUE(t.Valid);
    EXPECT_DOUBLE_EQ(t.MinorX, 0.1);
    EXPECT_EQ(t.StartX, 0);
    EXPECT_EQ(t.FinishX, 450);
    EXPECT_EQ(t.StartY, 0);
    EXPECT_EQ(t.FinishY, 450);
    t = ComputeTickSpacing({-2.4, -0.8, 0.0, 1.0}, 600, 600, 16);
    EXPECT_DOUBLE_EQ(t.MinorX, 0.04);
    EXPECT_EQ(t.StartX, -60);
    EXPECT_EQ(t.FinishX, 0);

    // Too small for one label per direction, or no text height: nothing drawn.
    EXPECT_FALSE(ComputeTickSpacing({0, 50, 0, 50}, 95, 600, 16).Valid);
    EXPECT_FALSE(ComputeTickSpacing({0, 50, 0, 50}, 600, 0, 16).Valid);
    EXPECT_FALSE(ComputeTickSpacing({0, 50, 0, 50}, 600, 600, 0).Valid);
    EXPECT_FALSE(ComputeTickSpacing({0, 0, 0, 50}, 600, 600, 16).Valid);
}

TEST(PlotMapping, DeviceAndDataCoordinates)
{
    TDeviceRect area{100, 50, 700, 450};
    TLogicBounds b{0.0, 60.0, 100.0, 60.0}; // elevation: 100 at the x axis
    EXPECT_EQ(DataToDeviceX(30.0, b, area), 400);
    EXPECT_EQ(DataToDeviceY(100.0, b, area, true), 50);
    EXPECT_EQ(DataToDeviceY(60.0, b, area, true), 450);
    EXPECT_EQ(DataToDeviceY(100.0, b, area, false), 450);
    EXPECT_DOUBLE_EQ(DeviceToDataX(400, b, area), 30.0);
    EXPECT_DOUBLE_EQ(DeviceToDataY(250, b, area, true), 80.0);
    EXPECT_DOUBLE_EQ(DeviceToDataY(250, b, area, false), 80.0);
    // Far outside the window or a degenerate window: a bounded coordinate, no overflow.
    EXPECT_EQ(DataToDeviceX(1e300, b, area), 1 << 24);
    EXPECT_EQ(DataToDeviceX(1.0, TLogicBounds{1.0, 1.0, 0.0, 1.0}, area), 0);
}

TEST(PlotZoom, RubberBandAndRightClick)
{
    const TLogicBounds full{0.0, 100.0, 0.0, 100.0};
    // Right click at 42 while viewing 40..45 shows 37..47; while viewing 0..60, 0..100.
    TLogicBounds b = ZoomOut(42.0, 50.0, {40.0, 45.0, 40.0, 60.0}, full, false);
    EXPECT_DOUBLE_EQ(b.Left, 37.0);
    EXPECT_DOUBLE_EQ(b.Right, 47.0);
    EXPECT_DOUBLE_EQ(b.Top, 30.0);
    EXPECT_DOUBLE_EQ(b.Bottom, 70.0);
    b = ZoomOut(42.0, 50.0, {0.0, 60.0, 0.0, 100.0}, full, false);
    EXPECT_DOUBLE_EQ(b.Left, 0.0);
    EXPECT_DOUBLE_EQ(b.Right, 100.0);

    // A rubber band 3 px wide over a 600 px area of 0..100: widened to 5, centred and kept
    // inside the full extent.
    TDeviceRect area{0, 0, 600, 600};
    double x1 = DeviceToDataX(300, full, area), x2 = DeviceToDataX(303, full, area);
    b = ZoomIn(x1, 10.0, x2, 80.0, full, false);
    EXPECT_NEAR(b.Right - b.Left, 5.0, 1e-12);
    EXPECT_NEAR((b.Left + b.Right) / 2.0, (x1 + x2) / 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(b.Top, 10.0);
    EXPECT_DOUBLE_EQ(b.Bottom, 80.0);
    b = ZoomIn(99.0, 10.0, 99.5, 80.0, full, false);
    EXPECT_DOUBLE_EQ(b.Left, 95.0);
    EXPECT_DOUBLE_EQ(b.Right, 100.0);
    b = ZoomIn(0.5, 80.0, 0.2, 10.0, full, false);
    EXPECT_DOUBLE_EQ(b.Left, 0.0);
    EXPECT_DOUBLE_EQ(b.Right, 5.0);
}

TEST(PlotZoom, ElevationPlotKeepsItsDirection)
{
    // Depths 0 to 40 below elevation 100.
    const TLogicBounds full{0.0, 60.0, 100.0, 60.0};
    TLogicBounds b = ZoomIn(10.0, 90.0, 40.0, 80.0, full, true);
    EXPECT_DOUBLE_EQ(b.Top, 90.0);
    EXPECT_DOUBLE_EQ(b.Bottom, 80.0);
    b = ZoomOut(20.0, 85.0, b, full, true);
    EXPECT_DOUBLE_EQ(b.Top, 95.0);
    EXPECT_DOUBLE_EQ(b.Bottom, 75.0);
    // A click near the top edge: the range stays inside the full extent.
    b = ZoomOut(20.0, 99.0, b, full, true);
    EXPECT_DOUBLE_EQ(b.Top, 100.0);
    EXPECT_DOUBLE_EQ(b.Bottom, 60.0);
}

TEST(PlotLayout, WindowPrinterAndStrip)
{
    TPlotLayoutInput in;
    in.PpiX = in.PpiY = 96;
    in.TextHeight = 16;
    TPlotLayout l = WindowLayout(800, 600, in);
    // left 2H + ppi/8 + H/8 = 32 + 12 + 2; right W - ppi/4 - H/2 = 800 - 24 - 8
    EXPECT_EQ(l.Graph.Left, 46);
    EXPECT_EQ(l.Graph.Right, 768);
    EXPECT_EQ(l.Graph.Top, 46);
    EXPECT_EQ(l.Graph.Bottom, 568);
    in.XOnTop = false;
    in.HasTitle = true;
    in.TitleOnTop = false;
    l = WindowLayout(800, 600, in);
    EXPECT_EQ(l.Graph.Top, 32);
    EXPECT_EQ(l.Graph.Bottom, 600 - 46 - 16);
    in.XOnTop = true;
    in.TitleOnTop = true;
    in.ShowLayers = true;
    l = WindowLayout(800, 600, in);
    EXPECT_EQ(l.Graph.Top, 46 + 2 + 16);
    EXPECT_EQ(l.Graph.Right, 768 - 96);
    EXPECT_EQ(l.Layers.Left, 768 - 96 + 19);
    EXPECT_EQ(l.Layers.Right, 768);
    EXPECT_EQ(l.Layers.Top, l.Graph.Top);

    const int margins[4] = {1000, 1000, 1000, 1000};
    TDeviceRect page = PrintDrawingRect(margins, 600, 600, 4800, 6400, 100, 120);
    EXPECT_EQ(page.Left, 500);
    EXPECT_EQ(page.Right, 4800 + 100 - 600);
    EXPECT_EQ(page.Top, 480);
    EXPECT_EQ(page.Bottom, 6400 + 120 - 600);
    const int narrow[4] = {50, 50, 50, 50}; // inside the unprintable border
    page = PrintDrawingRect(narrow, 600, 600, 4800, 6400, 100, 120);
    EXPECT_EQ(page.Left, 0);
    EXPECT_EQ(page.Right, 4800);
}

TEST(PlotLayout, PictureKeepsAnOuterMargin)
{
    TPlotLayoutInput in;
    in.PpiX = in.PpiY = 96;
    in.TextHeight = 16;
    // 10 x 7.5 in at 96 ppi: an eighth of an inch clear on every side.
    TDeviceRect drawing = PictureDrawingRect(960, 720, 96, 96);
    EXPECT_EQ(drawing.Left, 12);
    EXPECT_EQ(drawing.Top, 12);
    EXPECT_EQ(drawing.Right, 948);
    EXPECT_EQ(drawing.Bottom, 708);
    TPlotLayout window = WindowLayout(960, 720, in);
    TPlotLayout picture = WindowLayoutIn(drawing, in);
    EXPECT_EQ(picture.Graph.Left, window.Graph.Left + 12);
    EXPECT_EQ(picture.Graph.Top, window.Graph.Top + 12);
    EXPECT_EQ(picture.Graph.Right, window.Graph.Right - 12);
    EXPECT_EQ(picture.Graph.Bottom, window.Graph.Bottom - 12);
    // The window layout is the layout inside the whole surface.
    TPlotLayout whole = WindowLayoutIn(TDeviceRect{0, 0, 960, 720}, in);
    EXPECT_EQ(whole.Graph.Left, window.Graph.Left);
    EXPECT_EQ(whole.Graph.Bottom, window.Graph.Bottom);
}

TEST(PlotLayout, LegendGoesToTheCornerTheCurvesLeaveFree)
{
    const TDeviceRect g{100, 100, 700, 500};
    const int w = 120, h = 60, inset = 8;
    const auto corner = [&](const std::vector<std::vector<TDevicePoint>>& curves) {
        return PlaceLegendBox(g, w, h, inset, inset, curves);
    };
    struct Case
    {
        const char* what;
        std::vector<std::vector<TDevicePoint>> curves;
        int left, top;
    };
    const int right = 700 - inset - w, bottom = 500 - inset - h;
    const int left = 100 + inset, top = 100 + inset;
    const Case cases[] = {
        {"no curves: lower right", {}, right, bottom},
        // Capacity growing with depth (x axis on top): from the upper left to the lower right.
        {"falling diagonal", {{{100, 100}, {700, 500}}}, right, top},
        // t-z curves: steep rise then flat along the top; the lower right stays free.
        {"rising then flat", {{{100, 500}, {150, 120}, {700, 110}}}, right, bottom},
        // Curves in the right half and along the bottom: upper left is free.
        {"two curves", {{{100, 490}, {700, 490}}, {{690, 100}, {690, 500}}}, left, top},
        // Every corner crossed: the one with the fewest samples (the lower line starts
        // inside the lower left corner).
        {"all corners", {{{100, 130}, {700, 130}}, {{180, 470}, {700, 470}}}, left, bottom},
    };
    for (const Case& c : cases) {
        TDeviceRect box = corner(c.curves);
        EXPECT_EQ(box.Left, c.left) << c.what;
        EXPECT_EQ(box.Top, c.top) << c.what;
        EXPECT_EQ(box.Width(), w) << c.what;
        EXPECT_EQ(box.Height(), h) << c.what;
    }
    // A box larger than the area keeps its upper left corner in sight.
    TDeviceRect big = PlaceLegendBox(g, 1000, 50, inset, inset, {});
    EXPECT_EQ(big.Left, 100 + inset);
    EXPECT_EQ(big.Top, bottom + h - 50);
}

TEST(PlotLayout, LegendBoxKeptInsideTheFrame)
{
    const TDeviceRect g{100, 100, 700, 500};
    // Beyond the lower right: pulled back in, clear of the frame.
    TDeviceRect box = KeepBoxInside(g, 650, 480, 100, 40, 8, 8);
    EXPECT_EQ(box.Right, 692);
    EXPECT_EQ(box.Bottom, 492);
    // Beyond the upper left.
    box = KeepBoxInside(g, 0, 0, 100, 40, 8, 8);
    EXPECT_EQ(box.Left, 108);
    EXPECT_EQ(box.Top, 108);
    // Taller than the area: its top stays at the top.
    box = KeepBoxInside(g, 300, 300, 100, 900, 8, 8);
    EXPECT_EQ(box.Top, 108);
    EXPECT_EQ(box.Left, 300);
}

TEST(PlotMarkers, ShapeByCurveIndex)
{
    EXPECT_EQ(MarkerShapeNumber(0), 1);
    EXPECT_EQ(MarkerShapeNumber(1), 2);
    EXPECT_EQ(MarkerShapeNumber(5), 6);
    EXPECT_EQ(MarkerShapeNumber(10), 1);
    EXPECT_EQ(MarkerVertices(5, 0, 0, 3, 3).size(), 6u); // sixth curve: hexagon
    EXPECT_EQ(MarkerVertices(9, 0, 0, 3, 3).size(), 10u);

    // Eleventh curve: the triangle pointing down again, its first vertex below the point.
    std::vector<TMarkerVertex> v = MarkerVertices(10, 50, 50, 3, 3);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_NEAR(v[0].x, 50.0, 1e-12);
    EXPECT_NEAR(v[0].y, 53.0, 1e-12);
    EXPECT_LT(v[1].y, 50.0);
    EXPECT_LT(v[1].x, 50.0);
    EXPECT_GT(v[2].x, 50.0);
    // Regular polygons start straight above the point; the square lies on its sides.
    EXPECT_NEAR(MarkerVertices(2, 50, 50, 3, 3)[0].y, 47.0, 1e-12);
    std::vector<TMarkerVertex> square = MarkerVertices(1, 0, 0, 4, 4);
    EXPECT_NEAR(square[0].y, square[3].y, 1e-12);
    EXPECT_NEAR(square[0].x, -square[3].x, 1e-12);
}

} // namespace

TEST(PlotScaleTest, LabelsThatWouldCollideTakeTheNextCoarserSpacing)
{
    EXPECT_DOUBLE_EQ(NextCoarserSpacing(0.001), 0.002);
    EXPECT_DOUBLE_EQ(NextCoarserSpacing(0.002), 0.005);
    EXPECT_DOUBLE_EQ(NextCoarserSpacing(0.005), 0.01);
    EXPECT_DOUBLE_EQ(NextCoarserSpacing(500.0), 1000.0);
    EXPECT_DOUBLE_EQ(NextCoarserSpacing(1000.0), 2000.0);

    // Labels 8 pixels a character, 5 pixels apart at least.
    const TLabelLength length = [](double value) {
        return 8 * static_cast<int>(GeneralNumberText(value, 4).size());
    };
    const struct
    {
        double major, low, high;
        int pixels;
        double expected;
    } cases[] = {
        // Settlements in metres: "0.001" "0.002" 25 pixels apart collide; 0.002 fits.
        {0.001, 0.0, 0.012, 300, 0.002},
        // Loads in kN: "500" "1000" 25 pixels apart collide; 1000 fits (50 pixels).
        {500.0, 0.0, 6000.0, 300, 1000.0},
        // Already apart: kept.
        {10.0, 0.0, 50.0, 600, 10.0},
        // Negative values and a window not holding 0.
        {0.5, -3.0, -0.5, 100, 1.0},
        // Little room: the finest spacing whose labels fit, here the two ends.
        {1.0, 0.0, 5.0, 20, 5.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.high);
        EXPECT_DOUBLE_EQ(SpacingForLabels(c.major, c.low, c.high, c.pixels, length, 5), c.expected);
    }
    // No measure: the spacing stands.
    EXPECT_DOUBLE_EQ(SpacingForLabels(0.001, 0.0, 0.012, 300, {}, 5), 0.001);

    // Both axes through ComputeTickSpacing, the tick indices following the spacing chosen.
    // Small text: ten labels asked for on each axis, 500 and 0.001 apart, which collide.
    TTickSpacing t = ComputeTickSpacing({0.0, 6000.0, 0.0, 0.012}, 300, 300, 5, length, length, 5);
    ASSERT_TRUE(t.Valid);
    EXPECT_DOUBLE_EQ(t.MajorX, 1000.0);
    EXPECT_DOUBLE_EQ(t.MinorX, 200.0);
    EXPECT_EQ(t.FinishX, 30);
    EXPECT_DOUBLE_EQ(t.MajorY, 0.002);
    EXPECT_EQ(t.FinishY, 30);
}
