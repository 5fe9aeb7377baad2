#pragma once

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
