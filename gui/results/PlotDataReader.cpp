#include "gui/results/PlotDataReader.h"

TPlotReadResult ReadPlotData(TWordReader&, const TPlotReadSettings&, TResultGraphs&)
{
    TPlotReadResult result;
    result.ErrorMessage = "not yet";
    return result;
}

TPlotReadResult ReadPlotData(const std::filesystem::path& fileName,
                             const TPlotReadSettings& settings, TResultGraphs& graphs)
{
    try {
        TWordReader reader(fileName);
        return ReadPlotData(reader, settings, graphs);
    } catch (const EInOutError& e) {
        TPlotReadResult result;
        result.ErrorMessage = e.what();
        return result;
    }
}
