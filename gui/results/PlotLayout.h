#pragma once

#include <vector>

namespace korva::gui {

// Device rectangle in pixels (right and bottom are the coordinates of the far edges).
struct TDeviceRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
};

// What the layout of a plot depends on besides the surface.
struct TPlotLayoutInput
{
    int PpiX = 96;
    int PpiY = 96;
    int TextHeight = 12; // H: graph text height in pixels
    bool XOnTop = true;
    bool HasTitle = false; // a graph title is drawn
    bool TitleOnTop = true;
    bool ShowLayers = false;
};

// Graph area and soil-layer strip of one picture.
struct TPlotLayout
{
    TDeviceRect Graph;
    TDeviceRect Layers; // empty (all 0) without the strip
};

// Layout on a window or a saved bitmap of width x height pixels: room for the tick labels
// and captions on the axis sides, a margin on the others.
TPlotLayout WindowLayout(int width, int height, const TPlotLayoutInput& in);

// Drawing rectangle on a printer page. Margins in thousandths of an inch (left, top, right,
// bottom); page size and the unprintable border (offset) in printer pixels.
TDeviceRect PrintDrawingRect(const int marginsMils[4], int ppiX, int ppiY, int pageWidth,
                             int pageHeight, int offsetX, int offsetY);

// Layout on a printer page inside the drawing rectangle.
TPlotLayout PrintLayout(const TDeviceRect& drawing, const TPlotLayoutInput& in);

// Layout on a window or a saved bitmap inside a drawing rectangle (the whole surface for a
// window; a picture keeps an outer margin, see PictureDrawingRect).
TPlotLayout WindowLayoutIn(const TDeviceRect& drawing, const TPlotLayoutInput& in);

// Drawing rectangle of a saved picture of width x height pixels: an eighth of an inch clear
// on every side, so that the axis captions do not touch the picture's edges.
TDeviceRect PictureDrawingRect(int width, int height, int ppiX, int ppiY);

// A point of a curve in device pixels.
struct TDevicePoint
{
    int X = 0;
    int Y = 0;
};

// Where a legend box of width x height goes inside the graph area: at a corner, kept
// insetX/insetY clear of the frame (and of the tick marks along it). The lower right corner
// is taken unless curves pass under it; then the corner that the fewest curve samples
// (points along each polyline, a couple of pixels apart) fall into, in the order lower
// right, upper right, lower left, upper left. A box larger than the area starts at the
// area's left or top.
TDeviceRect PlaceLegendBox(const TDeviceRect& graph, int width, int height, int insetX, int insetY,
                           const std::vector<std::vector<TDevicePoint>>& curves);

// Keeps a box of width x height with its upper left corner at (left, top) inside the graph
// area, insetX/insetY clear of the frame; left and top come first when it does not fit.
TDeviceRect KeepBoxInside(const TDeviceRect& graph, int left, int top, int width, int height,
                          int insetX, int insetY);

} // namespace korva::gui
