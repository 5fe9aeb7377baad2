// Which result graphs the Graphics menu offers, and the two orders they are listed in.
#include "gui/results/OfferedGraphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korva::gui;

namespace {

std::vector<std::string> Captions(const std::vector<TGraphPlot*>& graphs)
{
    std::vector<std::string> captions;
    for (const TGraphPlot* g : graphs)
        captions.push_back(g->Caption);
    return captions;
}

TGraphicsMenuState AllResults()
{
    TGraphicsMenuState state;
    state.Results = true;
    state.showtzcurves = true;
    state.showloadcurves = true;
    state.ID2 = 1;
    return state;
}

TEST(OfferedGraphs, ExportTableOrderDiffersFromTheMenuOnlyInTheCombinedUltimateGraph)
{
    TResultGraphs graphs;
    const auto table = ExportTableGraphs(graphs);
    const std::vector<TGraphPlot*> menu = GraphicsMenuGraphs(graphs);
    ASSERT_EQ(menu.size(), 26u);
    // Export table: 1-3 ultimate, 4-6 design method, 7 and 8 the combined depth graphs.
    EXPECT_EQ(table[3], &graphs.FSpltSkin);
    EXPECT_EQ(table[6], &graphs.pltCombine);
    EXPECT_EQ(table[7], &graphs.pltCombineD);
    EXPECT_EQ(menu[3], &graphs.pltCombine);
    EXPECT_EQ(table[12], &graphs.pltTz);
    EXPECT_EQ(table[13], &graphs.pltQw);
    EXPECT_EQ(table[14], &graphs.pltTzAdd);
    EXPECT_EQ(table[15], &graphs.pltLoad);
    EXPECT_EQ(table[16], &graphs.PltChart[0]);
    EXPECT_EQ(table[25], &graphs.PltChart[9]);
    for (std::size_t i = 8; i < 26; ++i)
        EXPECT_EQ(table[i], menu[i]) << i;
}

TEST(OfferedGraphs, EnablingRulesOfTheGraphicsMenu)
{
    TResultGraphs graphs;
    const auto table = ExportTableGraphs(graphs);
    struct Case
    {
        const char* name;
        TGraphicsMenuState state;
        std::vector<TGraphPlot*> missing;
    };
    TGraphicsMenuState noResults = AllResults();
    noResults.Results = false;
    TGraphicsMenuState noBounds = AllResults();
    noBounds.ID2 = 0;
    TGraphicsMenuState noTz = AllResults();
    noTz.showtzcurves = false;
    TGraphicsMenuState noLoad = AllResults();
    noLoad.showloadcurves = false;
    const Case cases[] = {
        {"ID2 = 0", noBounds, {&graphs.pltUpper, &graphs.pltLower, &graphs.pltCombinedSettle}},
        {"no t-z curves", noTz, {&graphs.pltTz, &graphs.pltQw}},
        {"no load distribution", noLoad, {&graphs.pltLoad}},
    };
    // Additional t-z curves and the design charts are absent in all of these.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TGraphPlot*> offered = OfferedGraphs(table, graphs, c.state);
        EXPECT_EQ(offered.size(), 16u - 1u - c.missing.size());
        for (TGraphPlot* graph : c.missing)
            EXPECT_EQ(std::count(offered.begin(), offered.end(), graph), 0) << graph->Caption;
    }
    EXPECT_TRUE(OfferedGraphs(table, graphs, noResults).empty());
}

TEST(OfferedGraphs, AdditionalTzCurvesNeedTheRequestAndCurves)
{
    TResultGraphs graphs;
    TGraphicsMenuState state = AllResults();
    state.PrintTZCurves = 1;
    EXPECT_FALSE(GraphOffered(graphs, graphs.pltTzAdd, state));
    graphs.pltTzAdd.SetLineCount(1);
    EXPECT_TRUE(GraphOffered(graphs, graphs.pltTzAdd, state));
    state.PrintTZCurves = 0;
    EXPECT_FALSE(GraphOffered(graphs, graphs.pltTzAdd, state));
}

TEST(OfferedGraphs, DesignChartsFollowTheSettlementCount)
{
    TResultGraphs graphs;
    TGraphicsMenuState state = AllResults();
    state.IChart = 1;
    state.NPOINTPD = 3;
    const std::vector<TGraphPlot*> offered =
        OfferedGraphs(ExportTableGraphs(graphs), graphs, state);
    ASSERT_EQ(offered.size(), 15u + 3u);
    EXPECT_EQ(Captions({offered.end() - 3, offered.end()}),
              (std::vector<std::string>{"Design Chart 1", "Design Chart 2", "Design Chart 3"}));
    state.IChart = 0;
    EXPECT_FALSE(GraphOffered(graphs, graphs.PltChart[0], state));
}

} // namespace
