#include "gui/results/ProjectPlotSettings.h"

#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"

namespace korva::gui {

TPlotReadSettings PlotReadSettingsOf(const TProgramData& project)
{
    TPlotReadSettings s;
    s.fUnits = project.Units();
    s.Yesnewversion = project.Yesnewversion;
    s.UseElevation = project.UseElevation;
    s.ValElevation = static_cast<double>(project.ValElevation);
    s.NLRFD = project.NLRFD;
    s.KCYCL = project.KCYCL;
    s.FST = static_cast<double>(project.FST);
    s.FSB = static_cast<double>(project.FSB);
    s.IPENT = project.IPENT;
    s.IChart = project.IChart;
    s.DSTART = static_cast<double>(project.DSTART);
    s.DIAMINCR = static_cast<double>(project.DIAMINCR);
    s.PrintTZCurves = project.PrintTZCurves;
    const TGridTable& layers = project.D();
    for (int row = 0; row < layers.RowCount(); ++row)
        s.Layers.push_back({layers.GetIntValue(LayerColumn::Kind, row),
                            static_cast<double>(layers.GetFloatValue(LayerColumn::Depth, row))});
    return s;
}

} // namespace korva::gui
