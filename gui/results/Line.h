#pragma once

#include <string>
#include <vector>

#include "gui/results/FloatPoint.h"

namespace korva::gui {

class TGraphPlot;

// One curve of a result graph: its points in drawing order, its name and its display flags.
class TLine
{
  public:
    // A new line gets `count` zero points; `value` is its 1-based position at creation, used
    // in the default name.
    TLine(TGraphPlot* owner, double value, int count);

    int Count() const { return static_cast<int>(fData.size()); }
    // n < 0 counts as 0; shrinking drops points from the end, growing appends zero points.
    void SetCount(int n);

    // Point i (bounds-checked: an index outside 0..Count()-1 throws std::out_of_range).
    TFloatPoint& Data(int i) { return fData.at(static_cast<std::size_t>(i)); }
    const TFloatPoint& Data(int i) const { return fData.at(static_cast<std::size_t>(i)); }
    const std::vector<TFloatPoint>& Points() const { return fData; }
    std::vector<TFloatPoint>& Points() { return fData; }

    // fValueS when set; else the graph's default name for this position (fDefLineNames);
    // else the graph's CurveName followed by fValue ("Curve #4").
    std::string GetLineName() const;

    TGraphPlot* Owner() const { return fOwner; }
    // 0-based position of this line in its graph's curve list (-1 when not found there).
    int Index() const;

    double fValue = 0.0;
    std::string fValueS;  // the curve's name; empty: the default name applies
    bool fVisible = true; // drawn (toggled from the legend)
    bool fActive = true;  // listed in the legend and drawn at all

  private:
    std::vector<TFloatPoint> fData;
    TGraphPlot* fOwner;
};

} // namespace korva::gui
