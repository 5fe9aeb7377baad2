#pragma once

#include "gui/results/GraphPlot.h"

#include <string>
#include <vector>

namespace korva::gui {

// A chart holds at most this many series; further curves stay on the data sheet only.
inline constexpr int WorkbookSeriesLimit = 255;

// What one export wrote.
struct TWorkbookExport
{
    int Graphs = 0;             // graphs exported (Page_k/Plot_k pairs)
    bool SeriesLimited = false; // some chart was cut to WorkbookSeriesLimit series
};

// Writes the result graphs (graph k = graphs[k - 1]) as a spreadsheet workbook: the index sheet
// "Legend", then for each graph the data sheet "Page_k" (its curves as columns of numbers) and
// the chart sheet "Plot_k" (an XY scatter chart of those columns, with default markers when
// addMarkers is set, none otherwise). The file is written through a temporary file in the same
// folder and renamed at the end, so a failure leaves no half-written file under fileName and an
// earlier file of that name untouched; a failure throws EInOutError naming the file.
TWorkbookExport WritePlotWorkbook(const std::string& fileName,
                                  const std::vector<const TGraphPlot*>& graphs, bool addMarkers);

// The information shown when an export has ended; seriesLimited adds the lines about charts cut
// to 255 series.
std::string WorkbookCompletedMessage(bool seriesLimited);

} // namespace korva::gui
