#pragma once

#include <filesystem>
#include <string>

#include "gui/model/WordReader.h"
#include "gui/results/PlotReadSettings.h"
#include "gui/results/ResultGraphs.h"

namespace korva::gui {

// Outcome of reading a plot data file.
struct TPlotReadResult
{
    bool ShowOutput = false;     // the whole file was read: result commands may be enabled
    bool showtzcurves = false;   // the t-z / Q-w group was read
    bool showloadcurves = false; // the load distribution was read
    bool ID2Read = false;        // the first case header was read
    int ID2 = 0;                 // curve code NB of the first case header (project field ID2)
    std::string ErrorMessage;    // empty on success; otherwise names line and item
    int ErrorLine = 0;           // 1-based position of the failure (0: none)
    int ErrorItem = 0;
};

// Message box text shown after a run whose plot data cannot be read.
inline constexpr const char* PlotReadFailureMessage =
    "An error occured in running the main program.";

// Reads the plot data file into the result graphs, labelled for the project's settings.
// Never throws on a bad file: format errors come back in the result (ShowOutput false), and
// the graphs keep what was read up to the failure.
TPlotReadResult ReadPlotData(const std::filesystem::path& fileName,
                             const TPlotReadSettings& settings, TResultGraphs& graphs);

// The same over a reader already holding the file's text.
TPlotReadResult ReadPlotData(TWordReader& reader, const TPlotReadSettings& settings,
                             TResultGraphs& graphs);

} // namespace korva::gui
