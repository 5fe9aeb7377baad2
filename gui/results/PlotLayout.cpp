#include "gui/results/PlotLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// The strip takes one inch at the right of the graph area, a fifth of an inch apart.
void PlaceLayerStrip(TPlotLayout& layout, const TPlotLayoutInput& in)
{
    if (!in.ShowLayers)
        return;
    int oldRight = layout.Graph.Right;
    layout.Graph.Right -= in.PpiX;
    layout.Layers = {layout.Graph.Right + in.PpiX / 5, layout.Graph.Top, oldRight,
                     layout.Graph.Bottom};
}

} // namespace

TPlotLayout WindowLayout(int width, int height, const TPlotLayoutInput& in)
{
    const int h = in.TextHeight;
    // Room for two lines of text (tick labels and caption) plus an eighth of an inch.
    const int axisSide = 2 * h + in.PpiY / 8 + h / 8;
    TPlotLayout layout;
    TDeviceRect& g = layout.Graph;
    g.Left = 2 * h + in.PpiX / 8 + h / 8;
    g.Right = width - in.PpiX / 4 - h / 2;
    if (in.XOnTop) {
        g.Top = axisSide;
        g.Bottom = height - in.PpiY / 4 - h / 2;
    } else {
        g.Top = h / 2 + in.PpiY / 4;
        g.Bottom = height - axisSide;
    }
    if (in.HasTitle) {
        if (in.TitleOnTop)
            g.Top += h / 8 + h;
        else
            g.Bottom -= h;
    }
    PlaceLayerStrip(layout, in);
    return layout;
}

TDeviceRect PrintDrawingRect(const int marginsMils[4], int ppiX, int ppiY, int pageWidth,
                             int pageHeight, int offsetX, int offsetY)
{
    auto pixels = [](int mils, int ppi) {
        return static_cast<int>(std::lround(mils * static_cast<double>(ppi) / 1000.0));
    };
    int left = pixels(marginsMils[0], ppiX);
    int top = pixels(marginsMils[1], ppiY);
    int right = pixels(marginsMils[2], ppiX);
    int bottom = pixels(marginsMils[3], ppiY);
    TDeviceRect r;
    r.Left = std::max(left, offsetX) - offsetX;
    r.Right = pageWidth + offsetX - std::max(right, offsetX);
    r.Top = std::max(top, offsetY) - offsetY;
    r.Bottom = pageHeight + offsetY - std::max(bottom, offsetY);
    return r;
}

TPlotLayout PrintLayout(const TDeviceRect& drawing, const TPlotLayoutInput& in)
{
    const int h = in.TextHeight;
    TPlotLayout layout;
    TDeviceRect& g = layout.Graph;
    g.Left = drawing.Left + 2 * h + in.PpiX / 8 + h / 8;
    g.Right = drawing.Right;
    if (in.XOnTop) {
        g.Top = drawing.Top + 2 * h + in.PpiY / 8 + h / 8;
        g.Bottom = drawing.Bottom;
    } else {
        g.Top = drawing.Top;
        g.Bottom = drawing.Bottom - 2 * h - in.PpiY / 8 - h / 8;
    }
    if (in.HasTitle) {
        if (in.TitleOnTop)
            g.Top += in.PpiY / 4;
        else
            g.Bottom -= in.PpiY / 2;
    }
    PlaceLayerStrip(layout, in);
    return layout;
}
