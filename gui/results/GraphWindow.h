#pragma once

#include <functional>

namespace korva::gui {

class TGraphPlot;

// Where the results in the graphs come from.
enum class TResultsFreshness {
    Saved, // read from the project's plot data file after Run Analysis or Open
    Live,  // from a live analysis of the project as it is in memory, not saved
    Stale, // the last good results; the project has changed and its analysis failed
};

// The window that shows one graph. Implemented by the plot window; the window manages its
// own lifetime (it frees itself when closed and then calls TGraphPlot::FormClosed).
class TGraphWindow
{
  public:
    virtual ~TGraphWindow() = default;
    // Brings the window up, restoring it when it is minimised.
    virtual void ShowRestored() = 0;
    // Closes and frees the window (called by TGraphPlot::Hide and when the graph is destroyed).
    virtual void Release() = 0;
    // The graph was refilled (or only its freshness changed): the window draws it again.
    virtual void ResultsChanged(TResultsFreshness freshness) = 0;
};

// Creates the window for a graph; returns a window that frees itself (or nullptr).
using TGraphWindowFactory = std::function<TGraphWindow*(TGraphPlot&)>;

} // namespace korva::gui
