#pragma once

#include "gui/results/PlotLayout.h"

#include <functional>

namespace korva::gui {

class TGraphPlot;

// Visible window of a plot in data coordinates. Top is the value drawn at the edge where the
// x axis is (upper edge with the x axis on top, lower edge otherwise); for elevation plots
// (Yreversed) Top holds the greater value.
struct TLogicBounds
{
    double Left = 0.0;
    double Right = 1.0;
    double Top = 0.0;
    double Bottom = 1.0;
};

// Rounding step of a data range: 10^floor(log10 range), a tenth of that when the range
// is below 3 times the decade (1.0-2.99 x 10^n gives 10^(n-1), 3-9.99 x 10^n gives 10^n).
double ExtentStep(double range);

// Full extent of a graph over all points of all curves, 0 always included (for Yreversed
// the y limits start at the first point of the first curve), empty ranges widened by 0.01
// each way and the limits rounded outward to multiples of ExtentStep.
TLogicBounds FullExtent(const TGraphPlot& graph);

// Grid and tick marks of one paint. Tick i sits at i * minor; labels and grid lines at the
// multiples of 5.
struct TTickSpacing
{
    bool Valid = false; // false: the area is too small, no grid or tick labels
    double MajorX = 0.0, MajorY = 0.0;
    double MinorX = 0.0, MinorY = 0.0; // MarkSpacing
    long long StartX = 0, FinishX = 0, StartY = 0, FinishY = 0;
};

// Snap of a raw major spacing r to 1, 2, 5 or 10 times its decade.
double SnapSpacing(double raw);

// Tick spacing for a graph area of the given size at text height H (pixels).
TTickSpacing ComputeTickSpacing(const TLogicBounds& bounds, int areaWidth, int areaHeight,
                                int textHeight);

// The next coarser major spacing of the snapping rule: 1 -> 2 -> 5 -> 10 times the decade.
double NextCoarserSpacing(double major);

// Pixels a tick label of the given value takes along its axis.
using TLabelLength = std::function<int(double value)>;

// The major spacing of one axis, made coarser (NextCoarserSpacing) until no two neighbouring
// labels overlap: labels sit at the multiples of `major` within [low, high], centred on their
// ticks along an axis `pixels` long, and two neighbours need half of each one's length plus
// `gap` between their ticks.
double SpacingForLabels(double major, double low, double high, int pixels,
                        const TLabelLength& labelLength, int gap);

// ComputeTickSpacing with each axis's spacing made coarser until its labels stand apart
// (SpacingForLabels); the tick indices follow the spacings chosen.
TTickSpacing ComputeTickSpacing(const TLogicBounds& bounds, int areaWidth, int areaHeight,
                                int textHeight, const TLabelLength& labelLengthX,
                                const TLabelLength& labelLengthY, int gap);

// Data <-> device mapping over a graph area. xOnTop: Top at the area's upper edge.
int DataToDeviceX(double x, const TLogicBounds& bounds, const TDeviceRect& area);
int DataToDeviceY(double y, const TLogicBounds& bounds, const TDeviceRect& area, bool xOnTop);
double DeviceToDataX(int px, const TLogicBounds& bounds, const TDeviceRect& area);
double DeviceToDataY(int py, const TLogicBounds& bounds, const TDeviceRect& area, bool xOnTop);

// Zoom to a rubber band whose corners are given in data coordinates. The result keeps the
// direction of the vertical axis (Top the greater value when yReversed) and is widened to at
// least 1/20 of the full extent in each direction, kept inside the full extent.
TLogicBounds ZoomIn(double x1, double y1, double x2, double y2, const TLogicBounds& full,
                    bool yReversed);

// Zoom out around a clicked data point: each direction doubles the visible range (at most
// the full extent), centred on the click as far as the full extent allows.
TLogicBounds ZoomOut(double x, double y, const TLogicBounds& current, const TLogicBounds& full,
                     bool yReversed);

} // namespace korva::gui
