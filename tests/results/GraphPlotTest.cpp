#include "gui/results/GraphPlot.h"
#include "gui/model/NumberText.h"
#include "gui/results/GraphColours.h"
#include "gui/results/GraphText.h"
#include "gui/results/ResultGraphs.h"

#include <gtest/gtest.h>

using namespace korva::gui;

namespace {

TEST(GraphPlot, LinesAndPointsResizeAndNewLinesMatchLineZero)
{
    TGraphPlot graph;
    EXPECT_EQ(graph.Count(), 0);
    graph.SetCount(5); // no lines: nothing happens
    EXPECT_EQ(graph.Count(), 0);
    EXPECT_FALSE(graph.HasSomethingToDraw());

    graph.SetLineCount(2);
    graph.SetCount(3);
    graph.Data(1, 2) = {4.0, 5.0};
    graph.SetLineCount(4);
    EXPECT_EQ(graph.LineCount(), 4);
    EXPECT_EQ(graph.Lines(3).Count(), 3);
    EXPECT_EQ(graph.Data(3, 2).x, 0.0);
    EXPECT_TRUE(graph.Lines(3).fVisible);
    EXPECT_TRUE(graph.Lines(3).fActive);
    EXPECT_EQ(graph.Data(1, 2).y, 5.0);

    graph.SetLineCount(-1);
    EXPECT_EQ(graph.LineCount(), 0);
    graph.SetLineCount(1);
    graph.Lines(0).SetCount(-3);
    EXPECT_EQ(graph.Count(), 0);
    EXPECT_THROW(graph.Data(0, 0), std::out_of_range);
}

TEST(GraphPlot, LineNamesFallBackToDefaultNamesThenToCurveNumber)
{
    TGraphPlot graph;
    graph.SetLineCount(4);
    graph.fDefLineNames = {"first"};
    graph.Lines(2).fValueS = "named";
    EXPECT_EQ(graph.Lines(0).GetLineName(), "first");
    EXPECT_EQ(graph.Lines(1).GetLineName(), "Curve #2");
    EXPECT_EQ(graph.Lines(2).GetLineName(), "named");
    graph.Lines(3).fValueS = "";
    EXPECT_EQ(graph.Lines(3).GetLineName(), "Curve #4");
}

TEST(GraphPlot, UnitTextsByUnitSystem)
{
    struct Case
    {
        const char* code;
        int units;
        const char* text;
    };
    const Case cases[] = {
        {"F/L^2", 1, "lbs/in^2"}, {"F/L^2", 2, "kN/m^2"}, {"F/L^2", 3, "F/L^2"},
        {"F2", 1, "tons"},        {"F2", 2, "kN"},        {"F1", 1, "kips"},
        {"L2", 1, "ft"},          {"L2", 2, "m"},         {"L1", 2, "mm"},
        {"L1", 1, "in"},          {"L", 2, "m"},          {"F/L2^3", 1, "lbs/ft^3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GraphUnitText(c.code, c.units), c.text) << c.code << " " << c.units;

    TGraphPlot graph;
    graph.YCaption = "Unit Load Transfer, t";
    graph.YUnits = "F/L^2";
    graph.SetUnits(2);
    EXPECT_EQ(graph.YCaptionText(), "Unit Load Transfer, t (kN/m^2)");
    graph.SetUnits(7);
    EXPECT_EQ(graph.Units(), 3);
    EXPECT_EQ(graph.YCaptionText(), "Unit Load Transfer, t (F/L^2)");
    graph.SetUnits(0);
    EXPECT_EQ(graph.Units(), 1);
    EXPECT_EQ(graph.XCaptionText(), "");
}

TEST(GraphPlot, GeneralNumberForm)
{
    EXPECT_EQ(GeneralNumberText(1.2, 15), "1.2");
    EXPECT_EQ(GeneralNumberText(1.2 + 0.152, 15), "1.352");
    EXPECT_EQ(GeneralNumberText(3.0, 15), "3");
    EXPECT_EQ(GeneralNumberText(0.0, 15), "0");
    EXPECT_EQ(GeneralNumberText(-0.25, 15), "-0.25");
    EXPECT_EQ(GeneralNumberText(1e-5, 15), "0.00001"); // fixed notation down to 0.00001
    EXPECT_EQ(GeneralNumberText(5e-6, 15), "5E-6");
    EXPECT_EQ(GeneralNumberText(1.5e20, 15), "1.5E20");
}

TEST(ResultGraphs, EveryListedGraphWithItsCaptions)
{
    TResultGraphs graphs;
    EXPECT_EQ(graphs.All().size(), 26u); // 16 named graphs and 10 design charts
    EXPECT_EQ(graphs.pltSkin.Caption, "Ultimate Skin Friction vs Depth");
    EXPECT_EQ(graphs.pltSkin.XCaptionText(), "Ultimate Skin Friction  (tons)");
    EXPECT_EQ(graphs.pltTz.YCaptionText(), "Unit Load Transfer, t (lbs/in^2)");
    EXPECT_FALSE(graphs.pltQw.XOnTop);
    EXPECT_EQ(graphs.PltChart[8].Caption, "Design Chart 9");
    EXPECT_EQ(graphs.PltChart[9].Caption, "Design Chart  10");
    EXPECT_EQ(graphs.pltAxial.YCaptionText(), "Settlement  (in)");
    graphs.SetUnits(2);
    EXPECT_EQ(graphs.pltAxial.YCaptionText(), "Settlement  (m)");
    EXPECT_EQ(graphs.DepthGraphs().size(), 8u);
    EXPECT_EQ(graphs.PerCaseGraphs().size(), 9u);
}

TEST(GraphColours, SeventeenColoursRepeat)
{
    EXPECT_EQ(CurveColourRgb(0), 0x000000u);
    EXPECT_EQ(CurveColourRgb(2), 0xFF0000u);
    EXPECT_EQ(CurveColourRgb(17 + 16), 0x00FFFFu);
}

struct TFakeWindow : TGraphWindow
{
    int* shows;
    int* releases;
    int changes = 0;
    TResultsFreshness freshness = TResultsFreshness::Saved;
    TFakeWindow(int* s, int* r) : shows(s), releases(r) {}
    void ShowRestored() override { ++*shows; }
    void ResultsChanged(TResultsFreshness f) override
    {
        ++changes;
        freshness = f;
    }
    void Release() override
    {
        ++*releases;
        delete this;
    }
};

TEST(GraphPlot, ShowCreatesTheWindowOnceAndHideFreesIt)
{
    int created = 0, shows = 0, releases = 0;
    const TGraphWindowFactory factory = [&](TGraphPlot&) -> TGraphWindow* {
        ++created;
        return new TFakeWindow(&shows, &releases);
    };
    {
        TGraphPlot graph;
        graph.Show(factory);
        graph.Show(factory);
        EXPECT_EQ(created, 1);
        EXPECT_EQ(shows, 2);
        EXPECT_TRUE(graph.FormExists());
        graph.Hide();
        EXPECT_FALSE(graph.FormExists());
        EXPECT_EQ(releases, 1);
        graph.Show(factory);
        EXPECT_EQ(created, 2);
    }
    EXPECT_EQ(releases, 2); // destroying the graph frees its window
}

TEST(ResultGraphs, NewResultsReachTheOpenWindowsAndTheSubscribedViewsOnly)
{
    int shows = 0, releases = 0;
    TFakeWindow* window = nullptr;
    const TGraphWindowFactory factory = [&](TGraphPlot&) -> TGraphWindow* {
        window = new TFakeWindow(&shows, &releases);
        return window;
    };
    TResultGraphs graphs;
    graphs.pltTotal.Show(factory);
    std::vector<TResultsFreshness> seen;
    const int view = graphs.SubscribeResults([&](TResultsFreshness f) { seen.push_back(f); });
    // A subscriber that leaves while it is told must not disturb the others.
    int onceKey = 0, onceCalls = 0;
    onceKey = graphs.SubscribeResults([&](TResultsFreshness) {
        ++onceCalls;
        graphs.UnsubscribeResults(onceKey);
    });

    graphs.NotifyResultsChanged(TResultsFreshness::Live);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->changes, 1);
    EXPECT_EQ(window->freshness, TResultsFreshness::Live);
    EXPECT_EQ(graphs.Freshness(), TResultsFreshness::Live);
    graphs.NotifyResultsChanged(TResultsFreshness::Stale);
    EXPECT_EQ(window->changes, 2);
    EXPECT_EQ(seen,
              (std::vector<TResultsFreshness>{TResultsFreshness::Live, TResultsFreshness::Stale}));
    EXPECT_EQ(onceCalls, 1) << "the subscriber that left is not called again";

    graphs.UnsubscribeResults(view);
    graphs.NotifyResultsChanged(TResultsFreshness::Saved);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(window->changes, 3);
}

} // namespace
