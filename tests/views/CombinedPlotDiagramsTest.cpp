#include "gui/views/CombinedPlotDiagrams.h"

#include "gui/results/GraphPlot.h"

#include <gtest/gtest.h>

using namespace korva::gui;

namespace {

TEST(CombinedPlotDiagrams, SizeFactorSteps)
{
    struct Case
    {
        double from;
        bool up;
        double to;
    };
    for (const Case c :
         {Case{2, false, 1}, Case{1, false, 0.9}, Case{9, true, 10}, Case{10, true, 20},
          Case{20, true, 30}, Case{1, true, 2}, Case{0.9, false, 0.8}, Case{0.8, false, 0.7},
          Case{0.7, false, 0.6}, Case{0.3, false, 0.2}, Case{0.1, false, 0.09},
          Case{0.1, true, 0.2}, Case{0.9, true, 1}, Case{100, false, 90}, Case{2.5, true, 3},
          Case{0, true, 1}, Case{-3, false, 1}})
        EXPECT_DOUBLE_EQ(StepSizeFactor(c.from, c.up), c.to) << c.from << (c.up ? " up" : " down");
    EXPECT_EQ(SizeFactorText(StepSizeFactor(0.7, false)), "0.6");
    EXPECT_EQ(SizeFactorText(20), "20");
    EXPECT_EQ(ParseSizeFactor("2.5"), 2.5);
    EXPECT_FALSE(ParseSizeFactor("abc"));
    EXPECT_FALSE(ParseSizeFactor("0"));
    EXPECT_FALSE(ParseSizeFactor("-1"));
    EXPECT_FALSE(ParseSizeFactor(""));
}

TEST(CombinedPlotDiagrams, DepthOfAPoint)
{
    EXPECT_EQ(DiagramDepth(2.0, {3.0, 3.0, 0, 0.0}), 0.0); // Lb 3, row at 2: at the head
    EXPECT_EQ(DiagramDepth(10.0, {3.0, 3.0, 0, 0.0}), 7.0);
    EXPECT_EQ(DiagramDepth(10.0, {3.0, 0.0, 0, 0.0}), 10.0);
    EXPECT_EQ(DiagramDepth(90.0, {3.0, 0.0, 1, 100.0}), 10.0); // elevations
}

// Three curves of three points each at depths 0, 5 and 10.
void FillGraph(TGraphPlot& graph, double scale)
{
    graph.SetLineCount(3);
    graph.SetCount(3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            graph.Data(i, j) = {scale * (i + 1) * j, 5.0 * j};
}

TEST(CombinedPlotDiagrams, OutlinesBesideTheShaft)
{
    TGraphPlot graph;
    FillGraph(graph, 10.0); // Xmax 60 (total capacity at 10 ft)
    TDiagramOptions options;
    const TDiagramProject project{3.0, 0.0, 0, 0.0};
    EXPECT_TRUE(BuildDiagrams(graph, options, project).Primitives.empty()); // "Show Plots" off

    options.Show = true;
    options.SizeFactor = 2.0;
    TSceneList list = BuildDiagrams(graph, options, project);
    ASSERT_EQ(list.Primitives.size(), 6u); // two pairs per curve
    const double W = 2.0 * 3.0 * 2.0;
    const TPrimitive& first = list.Primitives[0];
    EXPECT_EQ(first.Colour, (TRgba{1.0F, 0.0F, 0.0F, 1.0F}));
    ASSERT_EQ(first.Vertices.size(), 4u);
    EXPECT_EQ(first.Vertices[0], (TVec3{3.0, 0.0, -5.0}));
    EXPECT_EQ(first.Vertices[1], (TVec3{3.0, 0.0, -0.0}));
    EXPECT_EQ(first.Vertices[2], (TVec3{3.0, 0.0, -0.0}));
    EXPECT_DOUBLE_EQ(first.Vertices[3].x, 3.0 + 10.0 / 60.0 * W);
    // The middle curve (tip resistance, or the self-weight in uplift) is drawn in green.
    EXPECT_EQ(list.Primitives[2].Colour, (TRgba{0.0F, 1.0F, 0.0F, 1.0F}));
    // The last pair closes back to the shaft face.
    const TPrimitive& last = list.Primitives[5];
    EXPECT_EQ(last.Colour, (TRgba{0.0F, 0.0F, 1.0F, 1.0F}));
    ASSERT_EQ(last.Vertices.size(), 5u);
    EXPECT_DOUBLE_EQ(last.Vertices[3].x, 3.0 + W);
    EXPECT_EQ(last.Vertices[4], (TVec3{3.0, 0.0, -10.0}));
    EXPECT_TRUE(list.Labels.empty());

    // Hidden tip resistance: no green; maximum values labelled beside each curve.
    options.TipResistance = false;
    options.MaximumValues = true;
    list = BuildDiagrams(graph, options, project);
    ASSERT_EQ(list.Primitives.size(), 4u);
    for (const TPrimitive& p : list.Primitives)
        EXPECT_NE(p.Colour.g, 1.0F);
    ASSERT_EQ(list.Labels.size(), 2u);
    EXPECT_EQ(list.Labels[1].Text, "60.000");
    EXPECT_DOUBLE_EQ(list.Labels[1].Position.x, 4.5 + W);
    EXPECT_EQ(list.Labels[1].Position.z, -10.0);

    // All capacities zero: nothing can be scaled, nothing drawn.
    TGraphPlot zero;
    FillGraph(zero, 0.0);
    EXPECT_TRUE(BuildDiagrams(zero, options, project).Primitives.empty());
    TGraphPlot empty;
    EXPECT_TRUE(BuildDiagrams(empty, options, project).Primitives.empty());
}

TEST(CombinedPlotDiagrams, EachGraphHasItsOwnXmax)
{
    TGraphPlot ultimate;
    TGraphPlot factored;
    FillGraph(ultimate, 10.0);
    FillGraph(factored, 4.0);
    TDiagramOptions options;
    options.Show = true;
    const TDiagramProject project{3.0, 0.0, 0, 0.0};
    // Scaled each to its own largest value: the outlines coincide.
    EXPECT_EQ(BuildDiagrams(ultimate, options, project).Primitives[5].Vertices,
              BuildDiagrams(factored, options, project).Primitives[5].Vertices);
}

TEST(CombinedPlotDiagrams, OptionsWindowPlacement)
{
    const TWindowPlace centred = DiagramOptionsPlace(100, 50, 1000, 800, 200, 100);
    EXPECT_EQ(centred.Left, 100 + 750 - 100);
    EXPECT_EQ(centred.Top, 50 + 400 - 50);
    const TWindowPlace pushed = DiagramOptionsPlace(0, 0, 1000, 300, 600, 400);
    EXPECT_EQ(pushed.Left, 400);
    EXPECT_EQ(pushed.Top, -100);
}

} // namespace
