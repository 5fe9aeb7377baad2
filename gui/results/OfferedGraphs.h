#pragma once

#include "gui/results/GraphPlot.h"
#include "gui/results/ResultGraphs.h"

#include <array>
#include <vector>

namespace korva::gui {

// What decides which result graphs the Graphics menu offers.
struct TGraphicsMenuState
{
    bool Results = false;        // plot data has been read and the plot data file exists
    bool showtzcurves = false;   // t-z and Q-w curves were in the plot data
    bool showloadcurves = false; // the load distribution was in the plot data
    int ID2 = 0;                 // 0: no upper- and lower-bound load-settlement curves
    int PrintTZCurves = 0;       // 1: additional t-z curves were asked for
    int IChart = 0;              // 1: design charts
    int NPOINTPD = 0;            // number of design-chart settlements
};

// True when the Graphics menu item that shows the graph is enabled.
bool GraphOffered(const TResultGraphs& graphs, const TGraphPlot& graph,
                  const TGraphicsMenuState& state);

// The exportable graphs in the order of the export table: ultimate and design-method graphs
// of skin, tip and total, the two combined depth graphs, the four load-settlement graphs, t-z,
// Q-w, additional t-z, load distribution and the ten design charts.
std::array<TGraphPlot*, 26> ExportTableGraphs(TResultGraphs& graphs);

// The result graphs in the order of the Graphics menu.
std::vector<TGraphPlot*> GraphicsMenuGraphs(TResultGraphs& graphs);

// The graphs of `list` that the Graphics menu offers, in the order of the list.
template <typename List>
std::vector<TGraphPlot*> OfferedGraphs(const List& list, const TResultGraphs& graphs,
                                       const TGraphicsMenuState& state)
{
    std::vector<TGraphPlot*> offered;
    for (TGraphPlot* graph : list)
        if (GraphOffered(graphs, *graph, state))
            offered.push_back(graph);
    return offered;
}

} // namespace korva::gui
