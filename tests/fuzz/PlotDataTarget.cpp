// The plot data reader over a file's text, with the project settings it depends on taken from
// the first byte: unit system, layout, elevation axis, design method, loading, multiple
// lengths, design charts and additional t-z curves.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "gui/results/PlotDataReader.h"

namespace korva::fuzz {

using namespace korva::gui;

int plotData(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t bits = data[0];
    TPlotReadSettings settings;
    settings.fUnits = bits & 1 ? 2 : 1;
    settings.Yesnewversion = bits & 2 ? 0 : 1;
    settings.UseElevation = bits & 4 ? 1 : 0;
    settings.ValElevation = 100.0;
    settings.NLRFD = bits & 8 ? 1 : 2;
    settings.KCYCL = bits & 16 ? 2 : 1;
    settings.FST = 2.5;
    settings.FSB = 3.0;
    settings.IPENT = bits & 32 ? 1 : 0;
    settings.IChart = bits & 64 ? 1 : 0;
    settings.PrintTZCurves = bits & 128 ? 1 : 0;
    settings.DSTART = 3.0;
    settings.DIAMINCR = 0.5;
    settings.Layers = {{1, 20.0}, {2, 50.0}};
    TWordReader reader = TWordReader::FromText(textOf(data + 1, size - 1));
    TResultGraphs graphs;
    const TPlotReadResult result = ReadPlotData(reader, settings, graphs);
    if (result.ShowOutput != result.ErrorMessage.empty())
        finding("a read that failed enabled the results, or one that succeeded did not",
                result.ErrorMessage);
    return 0;
}

} // namespace korva::fuzz
