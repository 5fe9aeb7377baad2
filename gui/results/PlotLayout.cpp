#include "gui/results/PlotLayout.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace korva::gui {

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
    return WindowLayoutIn(TDeviceRect{0, 0, width, height}, in);
}

TPlotLayout WindowLayoutIn(const TDeviceRect& drawing, const TPlotLayoutInput& in)
{
    const int h = in.TextHeight;
    // Room for two lines of text (tick labels and caption) plus an eighth of an inch.
    const int axisSide = 2 * h + in.PpiY / 8 + h / 8;
    TPlotLayout layout;
    TDeviceRect& g = layout.Graph;
    g.Left = drawing.Left + 2 * h + in.PpiX / 8 + h / 8;
    g.Right = drawing.Right - in.PpiX / 4 - h / 2;
    if (in.XOnTop) {
        g.Top = drawing.Top + axisSide;
        g.Bottom = drawing.Bottom - in.PpiY / 4 - h / 2;
    } else {
        g.Top = drawing.Top + h / 2 + in.PpiY / 4;
        g.Bottom = drawing.Bottom - axisSide;
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

TDeviceRect PictureDrawingRect(int width, int height, int ppiX, int ppiY)
{
    const int mx = std::max(0, ppiX / 8);
    const int my = std::max(0, ppiY / 8);
    return TDeviceRect{mx, my, std::max(mx, width - mx), std::max(my, height - my)};
}

TDeviceRect KeepBoxInside(const TDeviceRect& graph, int left, int top, int width, int height,
                          int insetX, int insetY)
{
    const int minLeft = graph.Left + insetX;
    const int minTop = graph.Top + insetY;
    // Larger than the area: the left and top edges stay in sight.
    left = std::max(minLeft, std::min(left, graph.Right - insetX - width));
    top = std::max(minTop, std::min(top, graph.Bottom - insetY - height));
    return TDeviceRect{left, top, left + width, top + height};
}

namespace {

// Samples along the polylines, about two pixels apart, that fall into box (widened by a
// pixel so that a curve along its edge counts).
long long SamplesInside(const TDeviceRect& box,
                        const std::vector<std::vector<TDevicePoint>>& curves)
{
    const TDeviceRect b{box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1};
    long long count = 0;
    for (const std::vector<TDevicePoint>& curve : curves) {
        if (curve.size() == 1 && b.Contains(curve[0].X, curve[0].Y))
            ++count;
        for (std::size_t i = 1; i < curve.size(); ++i) {
            const double x0 = curve[i - 1].X, y0 = curve[i - 1].Y;
            const double dx = curve[i].X - x0, dy = curve[i].Y - y0;
            // Segments wholly on one side of the box need no sampling.
            if ((x0 < b.Left && x0 + dx < b.Left) || (x0 > b.Right && x0 + dx > b.Right) ||
                (y0 < b.Top && y0 + dy < b.Top) || (y0 > b.Bottom && y0 + dy > b.Bottom))
                continue;
            const double length = std::max(std::abs(dx), std::abs(dy));
            const int steps = static_cast<int>(std::min(100000.0, std::ceil(length / 2.0))) + 1;
            for (int k = 0; k < steps; ++k) {
                const double t = static_cast<double>(k) / steps;
                if (b.Contains(static_cast<int>(std::lround(x0 + t * dx)),
                               static_cast<int>(std::lround(y0 + t * dy))))
                    ++count;
            }
        }
        if (curve.size() > 1 && b.Contains(curve.back().X, curve.back().Y))
            ++count;
    }
    return count;
}

} // namespace

TDeviceRect PlaceLegendBox(const TDeviceRect& graph, int width, int height, int insetX, int insetY,
                           const std::vector<std::vector<TDevicePoint>>& curves)
{
    const int right = graph.Right - insetX - width;
    const int bottom = graph.Bottom - insetY - height;
    const int left = graph.Left + insetX;
    const int top = graph.Top + insetY;
    const TDeviceRect corners[] = {
        KeepBoxInside(graph, right, bottom, width, height, insetX, insetY),
        KeepBoxInside(graph, right, top, width, height, insetX, insetY),
        KeepBoxInside(graph, left, bottom, width, height, insetX, insetY),
        KeepBoxInside(graph, left, top, width, height, insetX, insetY)};
    TDeviceRect best = corners[0];
    long long fewest = SamplesInside(best, curves);
    for (std::size_t i = 1; i < std::size(corners) && fewest > 0; ++i) {
        const long long n = SamplesInside(corners[i], curves);
        if (n < fewest) {
            fewest = n;
            best = corners[i];
        }
    }
    return best;
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

} // namespace korva::gui
