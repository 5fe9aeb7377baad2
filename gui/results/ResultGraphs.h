#pragma once

#include <array>
#include <functional>
#include <map>
#include <vector>

#include "gui/results/GraphPlot.h"

namespace korva::gui {

// The fixed set of result graphs of the main window (16 named graphs and 10 design charts), created
// with their titles, axis captions and unit codes. The plot data reader resizes and refills them;
// it never recreates them, so choices stored in a graph survive a new run.
class TResultGraphs
{
  public:
    TResultGraphs();
    TResultGraphs(const TResultGraphs&) = delete;
    TResultGraphs& operator=(const TResultGraphs&) = delete;

    TGraphPlot pltSkin;
    TGraphPlot pltTip;
    TGraphPlot pltTotal;
    TGraphPlot pltCombine;
    TGraphPlot FSpltSkin;
    TGraphPlot FSpltTip;
    TGraphPlot FSpltTotal;
    TGraphPlot pltCombineD;
    TGraphPlot pltAxial;
    TGraphPlot pltUpper;
    TGraphPlot pltLower;
    TGraphPlot pltCombinedSettle;
    TGraphPlot pltLoad;
    TGraphPlot pltTz;
    TGraphPlot pltTzAdd;
    TGraphPlot pltQw;
    std::array<TGraphPlot, 10> PltChart; // PltChart[0] is "Design Chart 1"

    // All graphs in the order above.
    std::vector<TGraphPlot*> All();
    // pltSkin, pltTip, pltTotal, pltCombine, FSpltSkin, FSpltTip, FSpltTotal, pltCombineD:
    // the graphs plotted against depth (or elevation) that carry the soil-layer strip.
    std::vector<TGraphPlot*> DepthGraphs();
    // The nine graphs with one curve per analysed case.
    std::vector<TGraphPlot*> PerCaseGraphs();

    // Units of every graph.
    void SetUnits(int units);
    // Frees every plot window (after a run, for a new project).
    void HideAll();

    // New results -------------------------------------------------------------------------
    // Tells every open plot window and every subscriber that the graphs were refilled (or
    // that only their freshness changed). Views that show results (elevation, 3-D, combined
    // views) subscribe here and draw again when called.
    void NotifyResultsChanged(TResultsFreshness freshness);
    TResultsFreshness Freshness() const { return fFreshness; }
    using TResultsObserver = std::function<void(TResultsFreshness)>;
    // Returns the key to unsubscribe with; a subscriber unsubscribes before it is destroyed.
    int SubscribeResults(TResultsObserver observer);
    void UnsubscribeResults(int key);

  private:
    TResultsFreshness fFreshness = TResultsFreshness::Saved;
    std::map<int, TResultsObserver> fObservers;
    int fNextObserver = 1;
};

} // namespace korva::gui
