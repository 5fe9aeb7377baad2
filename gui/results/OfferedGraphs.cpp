#include "gui/results/OfferedGraphs.h"

namespace korva::gui {

bool GraphOffered(const TResultGraphs& graphs, const TGraphPlot& graph,
                  const TGraphicsMenuState& state)
{
    if (!state.Results)
        return false;
    if (&graph == &graphs.pltUpper || &graph == &graphs.pltLower ||
        &graph == &graphs.pltCombinedSettle)
        return state.ID2 != 0;
    if (&graph == &graphs.pltLoad)
        return state.showloadcurves;
    if (&graph == &graphs.pltTz || &graph == &graphs.pltQw)
        return state.showtzcurves;
    if (&graph == &graphs.pltTzAdd)
        return state.PrintTZCurves == 1 && graphs.pltTzAdd.LineCount() > 0;
    for (std::size_t i = 0; i < graphs.PltChart.size(); ++i)
        if (&graph == &graphs.PltChart[i])
            return state.IChart == 1 && state.NPOINTPD > static_cast<int>(i);
    return true;
}

std::array<TGraphPlot*, 26> ExportTableGraphs(TResultGraphs& g)
{
    std::array<TGraphPlot*, 26> table = {
        &g.pltSkin,    &g.pltTip,      &g.pltTotal, &g.FSpltSkin, &g.FSpltTip, &g.FSpltTotal,
        &g.pltCombine, &g.pltCombineD, &g.pltAxial, &g.pltUpper,  &g.pltLower, &g.pltCombinedSettle,
        &g.pltTz,      &g.pltQw,       &g.pltTzAdd, &g.pltLoad};
    for (std::size_t i = 0; i < g.PltChart.size(); ++i)
        table[16 + i] = &g.PltChart[i];
    return table;
}

std::vector<TGraphPlot*> GraphicsMenuGraphs(TResultGraphs& g)
{
    std::vector<TGraphPlot*> menu = {&g.pltSkin,   &g.pltTip,   &g.pltTotal,   &g.pltCombine,
                                     &g.FSpltSkin, &g.FSpltTip, &g.FSpltTotal, &g.pltCombineD,
                                     &g.pltAxial,  &g.pltUpper, &g.pltLower,   &g.pltCombinedSettle,
                                     &g.pltTz,     &g.pltQw,    &g.pltTzAdd,   &g.pltLoad};
    for (TGraphPlot& chart : g.PltChart)
        menu.push_back(&chart);
    return menu;
}

} // namespace korva::gui
