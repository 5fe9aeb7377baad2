#include "gui/views/ElevationGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace korva::gui;

namespace {

// D = 3 ft, TOPLENG 5, BS 3, no bell, L = 40 ft, clay to 15 ft over sand to `bottom`.
TViewProject StraightShaft(double bottom = 50.0)
{
    TViewProject p;
    p.DSTART = 3.0;
    p.PD = 40.0;
    p.TOPLENG = 5.0;
    p.BS = 3.0;
    p.RATIO = 1.0;
    p.BELANGL = 0.0;
    p.Layers = {{2, 15.0}, {1, bottom}};
    return p;
}

void ExpectSpan(const TShaftPart& part, double top, double bottom)
{
    EXPECT_NEAR(part.Corners[0].y, top, 1e-12);
    EXPECT_NEAR(part.Corners[1].y, top, 1e-12);
    EXPECT_NEAR(part.Corners[2].y, bottom, 1e-12);
    EXPECT_NEAR(part.Corners[3].y, bottom, 1e-12);
}

TEST(ElevationGeometry, StraightShaftPartsColoursAndExtent)
{
    for (const double bottom : {50.0, 30.0}) {
        TElevationView view;
        view.Rebuild(StraightShaft(bottom));
        const auto& parts = view.Parts();
        ASSERT_EQ(parts.size(), 4u);
        ExpectSpan(parts[0], 6.0, 11.0);  // ignored top, red
        ExpectSpan(parts[1], 11.0, 43.0); // effective shaft, grey
        ExpectSpan(parts[2], 43.0, 46.0); // ignored bottom, blue
        ExpectSpan(parts[3], 46.0, 46.0); // no bell: a trapezoid of no height
        EXPECT_EQ(ShaftPartColour(0), 0xFF0000u);
        EXPECT_EQ(ShaftPartColour(1), 0x808080u);
        EXPECT_EQ(ShaftPartColour(2), 0x0000FFu);
        EXPECT_EQ(ShaftPartColour(3), 0x808080u);
        EXPECT_EQ(ShaftPartColour(7), 0x808080u);
        EXPECT_DOUBLE_EQ(parts[1].Corners[0].x, -1.5);
        EXPECT_DOUBLE_EQ(parts[1].Corners[1].x, 1.5);
        const TDrawingExtent& e = view.Extent();
        EXPECT_DOUBLE_EQ(e.Left, -1.5);
        EXPECT_DOUBLE_EQ(e.Right, 1.5);
        EXPECT_DOUBLE_EQ(e.Top, 0.0);
        EXPECT_DOUBLE_EQ(e.Bottom, std::max(46.0, bottom) + 9.0);
    }
}

TEST(ElevationGeometry, ZeroLengthDrawsToTheLastLayerAndTheProjectKeepsIt)
{
    TViewProject p = StraightShaft(60.0);
    p.PD = 0.0;
    TElevationView view;
    view.Rebuild(p);
    EXPECT_DOUBLE_EQ(view.DrawnShaftLength(), 60.0);
    EXPECT_NEAR(view.Parts().back().Corners[3].y, 6.0 + 60.0, 1e-12);
    EXPECT_EQ(view.Project().PD, 0.0);
}

TEST(ElevationGeometry, BellHeightAndDegenerateBells)
{
    // ((RATIO - 1) / 2 x D) / tan(BELANGL), pi taken as 3.1416.
    EXPECT_NEAR(ElevationBellHeight(3.0, 2.5, 30.0), 2.25 / std::tan(30.0 * 3.1416 / 180.0), 1e-12);
    EXPECT_NEAR(ElevationBellHeight(3.0, 2.5, 30.0), 3.897, 0.001);
    struct Case
    {
        double ratio, angle;
    };
    for (const Case c : {Case{1.0, 30.0}, Case{2.0, 0.0}, Case{0.5, 30.0}, Case{2.0, -5.0}}) {
        TViewProject p = StraightShaft();
        p.RATIO = c.ratio;
        p.BELANGL = c.angle;
        TElevationView view;
        view.Rebuild(p);
        const TShaftPart& bell = view.Parts()[3];
        EXPECT_DOUBLE_EQ(bell.Corners[0].y, bell.Corners[2].y) << c.ratio << " " << c.angle;
    }
    // A real bell: the trapezoid widens to RATIO x D at the tip, the shaft above shortens.
    TViewProject p = StraightShaft();
    p.RATIO = 2.5;
    p.BELANGL = 30.0;
    TElevationView view;
    view.Rebuild(p);
    const double hb = ElevationBellHeight(3.0, 2.5, 30.0);
    ExpectSpan(view.Parts()[1], 11.0, 43.0 - hb);
    ExpectSpan(view.Parts()[3], 46.0 - hb, 46.0);
    EXPECT_DOUBLE_EQ(view.Parts()[3].Corners[2].x, -3.75);
    EXPECT_DOUBLE_EQ(view.Parts()[3].Corners[3].x, 3.75);
    EXPECT_DOUBLE_EQ(view.Extent().Left, -3.75);
}

TEST(ElevationGeometry, EmptyLayerTableKeepsTheExtentAndDrawsNoShaft)
{
    TElevationView view;
    view.Rebuild(StraightShaft());
    const TDrawingExtent before = view.Extent();
    TViewProject empty = StraightShaft();
    empty.Layers.clear();
    view.Rebuild(empty);
    EXPECT_TRUE(view.Parts().empty());
    EXPECT_EQ(view.Extent(), before);
    EXPECT_EQ(TElevationView().Extent(), (TDrawingExtent{-10, 10, 0, 10}));
}

TEST(ElevationGeometry, LayoutKeepsTheScaleAndTheGroundLine)
{
    TElevationView view;
    view.Rebuild(StraightShaft()); // extent 3 wide, 59 high
    ASSERT_TRUE(view.Layout(30, 590));
    EXPECT_DOUBLE_EQ(view.Visible().Left, -1.5);
    const int ground = view.MapY(view.GroundY());
    EXPECT_EQ(ground, 60);
    // Twice as wide: the x range doubles, the ground line stays.
    ASSERT_TRUE(view.Layout(60, 590));
    EXPECT_DOUBLE_EQ(view.Visible().Left, -3.0);
    EXPECT_DOUBLE_EQ(view.Visible().Right, 3.0);
    EXPECT_EQ(view.MapY(view.GroundY()), ground);
    EXPECT_EQ(view.MapX(0.0), 30);
    // Narrower than the picture: the depth range grows instead, one unit equal both ways.
    ASSERT_TRUE(view.Layout(30, 1180));
    EXPECT_DOUBLE_EQ(view.Visible().Bottom, 118.0);
    EXPECT_EQ(view.MapX(1.5) - view.MapX(-1.5), view.MapY(3.0) - view.MapY(0.0));
}

TEST(ElevationGeometry, UndefinedProportionDrawsNothingUntilALayoutSucceeds)
{
    TElevationView view;
    view.Rebuild(StraightShaft());
    EXPECT_FALSE(view.Layout(0, 0));
    EXPECT_TRUE(view.NoDrawing());
    EXPECT_FALSE(view.Layout(300, 0)); // no height: an infinite proportion
    EXPECT_TRUE(view.NoDrawing());
    // A window restored from a minimised state draws again.
    EXPECT_TRUE(view.Layout(300, 400));
    EXPECT_FALSE(view.NoDrawing());
    // An extent without width (no diameter) cannot be scaled.
    TViewProject flat = StraightShaft();
    flat.DSTART = 0.0;
    view.Rebuild(flat);
    EXPECT_FALSE(view.Layout(300, 400));
}

TEST(ElevationGeometry, MouseReadoutIsTheDepthBelowTheGround)
{
    TElevationView view;
    view.Rebuild(StraightShaft());
    ASSERT_TRUE(view.Layout(30, 590)); // 10 pixels per foot, ground at row 60
    EXPECT_EQ(view.DepthReadout(60), "  Depth: 0.0");
    EXPECT_EQ(view.DepthReadout(215), "  Depth: 15.5");
    EXPECT_EQ(view.DepthReadout(0), "  Depth: -6.0");
}

TEST(ElevationGeometry, BandLabelsAndStyles)
{
    TViewProject p = StraightShaft();
    p.Layers.push_back({7, 62.25});
    p.Layers.push_back({12, 70.0}); // a code outside the table: no name, no fill
    TElevationView view;
    view.Rebuild(p);
    const auto bands = view.Bands();
    ASSERT_EQ(bands.size(), 4u);
    EXPECT_EQ(bands[0].Label, "Layer 1; depth= 0.00 - 15.00; Clay");
    EXPECT_EQ(bands[1].Label, "Layer 2; depth= 15.00 - 50.00; Sand");
    EXPECT_EQ(bands[2].Label, "Layer 3; depth= 50.00 - 62.25; Strong Rock");
    EXPECT_EQ(bands[3].Label, "Layer 4; depth= 62.25 - 70.00; ");
    EXPECT_EQ(view.Bands(true)[1].Label, "Layer 2; depth= 15.00 - 50.00 ft; Sand");
    p.Units = 2;
    view.Rebuild(p);
    EXPECT_EQ(view.Bands(true)[0].Label, "Layer 1; depth= 0.00 - 15.00 m; Clay");

    EXPECT_EQ(SoilTypeStyleOf(1)->Hatch, TSoilHatch::Vertical);
    EXPECT_EQ(SoilTypeStyleOf(2)->Hatch, TSoilHatch::DiagonalUp);
    EXPECT_EQ(SoilTypeStyleOf(5)->Colour, 0x800000u);
    EXPECT_EQ(SoilTypeStyleOf(9)->Colour, 0xFF00FFu);
    EXPECT_FALSE(SoilTypeStyleOf(0));
    EXPECT_FALSE(SoilTypeStyleOf(10));
}

TEST(ElevationGeometry, PrintPageMapping)
{
    TElevationView view;
    view.Rebuild(StraightShaft()); // Ymax = 6 + 50 = 56
    const TElevationPage page(view, 11000, 8500);
    ASSERT_TRUE(page.Valid());
    EXPECT_EQ(page.MapDepth(0.0), static_cast<int>(std::lround(6.0 / 56.0 * 0.8 * 8500)) + 850);
    EXPECT_EQ(page.MapDepth(50.0), 6800 + 850);
    EXPECT_EQ(page.MapX(0.0), 5500);
    EXPECT_EQ(page.MapX(1.5), 5500 + static_cast<int>(std::lround(1.5 / 56.0 * 0.8 * 8500)));
    EXPECT_EQ(page.Left(), 1100);
    EXPECT_EQ(page.Right(), 9900);
    EXPECT_EQ(page.LabelX(), 1275);
    const auto strokes = page.GroundStrokeStarts();
    ASSERT_FALSE(strokes.empty());
    EXPECT_EQ(strokes.front(), 1100 + 2 * 170);
    EXPECT_LT(strokes.back(), 9900 - 3 * 170);
    EXPECT_EQ(strokes[1] - strokes[0], 170);

    TViewProject nothing;
    view.Rebuild(nothing);
    EXPECT_FALSE(TElevationPage(view, 1000, 800).Valid());

    const auto screen = ScreenGroundStrokeStarts(100);
    EXPECT_EQ(screen, (std::vector<int>{20, 40, 60}));
}

} // namespace
