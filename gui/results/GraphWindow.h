#pragma once

#include <functional>

namespace korva::gui {

class TGraphPlot;

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
};

// Creates the window for a graph; returns a window that frees itself (or nullptr).
using TGraphWindowFactory = std::function<TGraphWindow*(TGraphPlot&)>;

} // namespace korva::gui
