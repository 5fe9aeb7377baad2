#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/results/FloatPoint.h"
#include "gui/results/GraphWindow.h"
#include "gui/results/Line.h"

namespace korva::gui {

// One result plot: its curves, the soil-layer strip drawn beside them, titles, axis captions
// with unit codes and the display options that the plot window honours. Non-visual: the plot
// window reads and writes these properties.
class TGraphPlot
{
  public:
    TGraphPlot() = default;
    ~TGraphPlot();
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    // Published properties.
    std::string Caption;               // window/print-job title
    std::string CurveName = "Curve #"; // prefix of default curve names
    std::string XCaption;
    std::string YCaption;
    std::string XUnits; // unit codes ("F2", "L2", "F/L^2"); empty: no unit in the caption
    std::string YUnits;
    bool XOnTop = true; // x axis along the top, y growing downward; false: bottom, y upward
    bool ShowLegend = true;
    bool ShowLayers = false;   // soil-layer strip shown
    bool ShowFontWidth = true; // plot menu offers font size and line width
    int Markers = 1;           // 0 none, n: a marker on every n-th point
    int SizeFont = 10;         // text size in tenths of the default
    int LegendFont = 11;       // legend font size in points at SizeFont 10
    int WidthLine = 1;         // curve pen width multiplier
    int Units() const { return fUnits; }
    // 1 English, 2 SI, 3 codes shown unchanged; clamped to 1..3.
    void SetUnits(int units);

    // Further state.
    std::string UserCaption; // title drawn on the plot; empty: none
    bool UserCaptionOnTop = true;
    double LayersTop = 0.0;   // vertical coordinate of the top of the first soil layer
    bool Yreversed = false;   // vertical values decrease downward (elevation plots)
    bool fLimitActive = true; // a new plot window activates only the first 20 curves
    std::vector<std::string> fDefLineNames; // default names by curve position

    // Axis captions as drawn: caption, " (", unit text, ")"; the caption alone without units.
    std::string XCaptionText() const;
    std::string YCaptionText() const;

    // Curves. New lines get as many zero points as line 0 has, visible and active.
    int LineCount() const { return static_cast<int>(fData.size()); }
    void SetLineCount(int n);
    int Count() const; // points of line 0; 0 without lines
    void SetCount(int n);
    TLine& Lines(int i) { return *fData.at(static_cast<std::size_t>(i)); }
    const TLine& Lines(int i) const { return *fData.at(static_cast<std::size_t>(i)); }
    TFloatPoint& Data(int i, int j) { return Lines(i).Data(j); }
    const TFloatPoint& Data(int i, int j) const { return Lines(i).Data(j); }
    int IndexOf(const TLine* line) const;
    bool HasSomethingToDraw() const { return LineCount() > 0; }

    // Soil-layer strip: one line per layer, one point each (x hatch code, y bottom); the
    // line's name (fValueS) is the strip label.
    int LayerLineCount() const { return static_cast<int>(gData.size()); }
    void SetLayerLineCount(int n);
    int LayerCount() const;
    void SetLayerCount(int n);
    TLine& LayerLines(int i) { return *gData.at(static_cast<std::size_t>(i)); }
    const TLine& LayerLines(int i) const { return *gData.at(static_cast<std::size_t>(i)); }
    TFloatPoint& LayerData(int i, int j) { return LayerLines(i).Data(j); }
    const TFloatPoint& LayerData(int i, int j) const { return LayerLines(i).Data(j); }

    // Plot window: Show creates it through `create` when there is none and brings it up;
    // Hide frees it. The window calls FormClosed when it frees itself.
    void Show(const TGraphWindowFactory& create);
    void Hide();
    void FormClosed(TGraphWindow* window);
    TGraphWindow* Form() const { return fForm; }
    bool FormExists() const { return fForm != nullptr; }

  private:
    void ResizeList(std::vector<std::unique_ptr<TLine>>& list, int n);

    int fUnits = 1;
    std::vector<std::unique_ptr<TLine>> fData;
    std::vector<std::unique_ptr<TLine>> gData;
    TGraphWindow* fForm = nullptr;
};

} // namespace korva::gui
