#include "gui/results/ResultGraphs.h"

#include <string>

namespace korva::gui {

namespace {

void Label(TGraphPlot& graph, const char* caption, const char* xCaption, const char* xUnits,
           const char* yCaption, const char* yUnits, bool xOnTop)
{
    graph.Caption = caption;
    graph.XCaption = xCaption;
    graph.XUnits = xUnits;
    graph.YCaption = yCaption;
    graph.YUnits = yUnits;
    graph.XOnTop = xOnTop;
}

} // namespace

TResultGraphs::TResultGraphs()
{
    Label(pltSkin, "Ultimate Skin Friction vs Depth", "Ultimate Skin Friction ", "F2", "Depth ",
          "L2", true);
    Label(pltTip, "Ultimate Tip Resistance vs Depth", "Ultimate Tip Resistance ", "F2", "Depth ",
          "L2", true);
    Label(pltTotal, "Ultimate Total Capacity vs Depth", "Ultimate Total Capacity ", "F2", "Depth ",
          "L2", true);
    Label(pltCombine, "Combined Plots vs Depth (ultimate)", "Ultimate Axial Capacity", "F2",
          "Depth", "L2", true);
    Label(FSpltSkin, "ASD/LRFD Skin Friction vs Depth ", "Skin Friction w/F.S.", "F2", "Depth",
          "L2", true);
    Label(FSpltTip, "ASD/LRFD Tip Resistance vs Depth ", "Tip Resistance w/F.S.", "F2", "Depth",
          "L2", true);
    Label(FSpltTotal, "ASD/LRFD Total Capacity vs Depth", "Total Capacity w/F.S.", "F2", "Depth",
          "L2", true);
    Label(pltCombineD, "Combined Plots vs Depth (ASD/LRFD)", "Axial Capacity w/F. S.", "F2",
          "Depth", "L2", true);
    Label(pltAxial, "Axial Load vs Settlement (averaged)", "Axial Load ", "F2", "Settlement ", "L",
          true);
    Label(pltUpper, "Axial Load vs Settlement (upper bound)", "Axial Load (upper bound)", "F2",
          "Settlement", "L", true);
    Label(pltLower, "Axial Load vs Settlement (lower bound)", "Axial Load (lower bound)", "F2",
          "Settlement", "L", true);
    Label(pltCombinedSettle, "Combined Plots of Load vs Settlement", "Axial Load", "F2",
          "Settlement", "L", true);
    Label(pltLoad, "Load Distribution", "Total Capacity ", "F2", "Depth ", "L2", true);
    Label(pltTz, "t-z curves (averaged)", "Axial Displacement, z", "L", "Unit Load Transfer, t",
          "F/L^2", false);
    Label(pltTzAdd, "Additional t-z curves (averaged)", "Axial Displacement, z", "L",
          "Unit Load Transfer, t", "F/L^2", false);
    Label(pltQw, "Q-w curves (averaged)", "Tip Displacement, w", "L", "Tip Load, Q", "F2", false);
    for (std::size_t i = 0; i < PltChart.size(); ++i) {
        // The tenth chart's title has two blanks.
        const std::string caption =
            i + 1 < 10 ? "Design Chart " + std::to_string(i + 1) : "Design Chart  10";
        Label(PltChart[i], caption.c_str(), "Axial Capacity", "F2", "Depth", "L2", true);
    }
}

std::vector<TGraphPlot*> TResultGraphs::All()
{
    std::vector<TGraphPlot*> graphs = {&pltSkin,   &pltTip,   &pltTotal,   &pltCombine,
                                       &FSpltSkin, &FSpltTip, &FSpltTotal, &pltCombineD,
                                       &pltAxial,  &pltUpper, &pltLower,   &pltCombinedSettle,
                                       &pltLoad,   &pltTz,    &pltTzAdd,   &pltQw};
    for (TGraphPlot& chart : PltChart)
        graphs.push_back(&chart);
    return graphs;
}

std::vector<TGraphPlot*> TResultGraphs::DepthGraphs()
{
    return {&pltSkin,   &pltTip,   &pltTotal,   &pltCombine,
            &FSpltSkin, &FSpltTip, &FSpltTotal, &pltCombineD};
}

std::vector<TGraphPlot*> TResultGraphs::PerCaseGraphs()
{
    return {&pltSkin,    &pltTip,   &pltTotal, &FSpltSkin, &FSpltTip,
            &FSpltTotal, &pltAxial, &pltUpper, &pltLower};
}

void TResultGraphs::SetUnits(int units)
{
    for (TGraphPlot* graph : All())
        graph->SetUnits(units);
}

void TResultGraphs::HideAll()
{
    for (TGraphPlot* graph : All())
        graph->Hide();
}

void TResultGraphs::NotifyResultsChanged(TResultsFreshness freshness)
{
    fFreshness = freshness;
    for (TGraphPlot* graph : All())
        if (TGraphWindow* window = graph->Form())
            window->ResultsChanged(freshness);
    // A copy: a subscriber may unsubscribe while it is called.
    const std::map<int, TResultsObserver> observers = fObservers;
    for (const auto& [key, observer] : observers)
        if (fObservers.count(key) != 0)
            observer(freshness);
}

int TResultGraphs::SubscribeResults(TResultsObserver observer)
{
    const int key = fNextObserver++;
    fObservers.emplace(key, std::move(observer));
    return key;
}

void TResultGraphs::UnsubscribeResults(int key)
{
    fObservers.erase(key);
}

} // namespace korva::gui
