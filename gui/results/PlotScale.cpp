#include "gui/results/PlotScale.h"

#include "gui/results/GraphPlot.h"

#include <algorithm>
#include <cmath>

namespace korva::gui {

namespace {

// Quotients of limits by their step that lie within this of an integer are taken as that
// integer, so that 2.4 / 0.1 rounds to 24 and not to 25.
constexpr double kQuotientTolerance = 1e-9;

double RoundUp(double q)
{
    return std::ceil(q - kQuotientTolerance);
}
double RoundDown(double q)
{
    return std::floor(q + kQuotientTolerance);
}

// Widens a range narrower than 1/20 of the full range to exactly that, around the centre of
// the selection, shifted to lie inside the full range.
void KeepMinimumWidth(double& low, double& high, double fullLow, double fullHigh)
{
    double minimum = (fullHigh - fullLow) / 20.0;
    if (high - low >= minimum)
        return;
    double centre = (low + high) / 2.0;
    low = centre - minimum / 2.0;
    high = centre + minimum / 2.0;
    if (low < fullLow) {
        low = fullLow;
        high = fullLow + minimum;
    }
    if (high > fullHigh) {
        high = fullHigh;
        low = fullHigh - minimum;
    }
}

// Half-width h = min(current width, full width / 2) around the clicked value, kept inside
// the full range.
void ZoomOutRange(double clicked, double currentWidth, double fullLow, double fullHigh, double& low,
                  double& high)
{
    double h = std::min(currentWidth, (fullHigh - fullLow) / 2.0);
    double centre = std::clamp(clicked, fullLow + h, fullHigh - h);
    low = centre - h;
    high = centre + h;
}

// Device coordinate of a fraction of the area, kept far outside any surface but inside the
// integer range, so that extreme zooms or a degenerate window draw clipped lines instead of
// overflowing.
int ToDevice(double pixel)
{
    constexpr double kLimit = 1 << 24;
    if (!std::isfinite(pixel))
        return 0;
    return static_cast<int>(std::lround(std::clamp(pixel, -kLimit, kLimit)));
}

// Minor spacings and the tick index ranges of the major spacings chosen.
void SetTickIndices(TTickSpacing& t, const TLogicBounds& bounds)
{
    t.MinorX = t.MajorX / 5.0;
    t.MinorY = t.MajorY / 5.0;
    double lowY = std::min(bounds.Top, bounds.Bottom);
    double highY = std::max(bounds.Top, bounds.Bottom);
    t.StartX = std::min(0LL, static_cast<long long>(RoundUp(bounds.Left / t.MinorX)));
    t.FinishX = std::max(0LL, static_cast<long long>(RoundDown(bounds.Right / t.MinorX)));
    t.StartY = std::min(0LL, static_cast<long long>(RoundUp(lowY / t.MinorY)));
    t.FinishY = std::max(0LL, static_cast<long long>(RoundDown(highY / t.MinorY)));
    t.Valid = true;
}

} // namespace

double ExtentStep(double range)
{
    if (!(range > 0.0) || !std::isfinite(range))
        return 1.0;
    // Range = m x 10^n with 1 <= m < 10; m below 3 steps by 10^(n-1), else by 10^n. The
    // mantissa is compared with a relative tolerance, so that 30 or 0.3, whose logarithms fall
    // a rounding error short, count as 3.
    double step = std::pow(10.0, std::floor(std::log10(range)));
    double mantissa = range / step;
    if (mantissa >= 10.0 * (1.0 - 1e-12)) {
        step *= 10.0;
        mantissa /= 10.0;
    } else if (mantissa < 1.0) {
        step /= 10.0;
        mantissa *= 10.0;
    }
    if (mantissa < 3.0 * (1.0 - 1e-12))
        step /= 10.0;
    return step;
}

TLogicBounds FullExtent(const TGraphPlot& graph)
{
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
    if (graph.Yreversed && graph.LineCount() > 0 && graph.Lines(0).Count() > 0)
        minY = maxY = graph.Data(0, 0).y;
    for (int i = 0; i < graph.LineCount(); ++i) {
        for (const TFloatPoint& p : graph.Lines(i).Points()) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y))
                continue;
            if (p.x < minX)
                minX = p.x;
            else if (p.x > maxX)
                maxX = p.x;
            if (p.y < minY)
                minY = p.y;
            else if (p.y > maxY)
                maxY = p.y;
        }
    }
    if (maxX == minX) {
        minX -= 0.01;
        maxX += 0.01;
    }
    if (maxY == minY) {
        minY -= 0.01;
        maxY += 0.01;
    }
    // Outward to multiples of the step. Without Yreversed both ranges contain 0, so outward
    // is away from zero. With Yreversed the lower limit of positive elevations rounds toward
    // zero (down); it rounds down for negative elevations as well, so that no data are cut.
    double sx = ExtentStep(maxX - minX);
    double sy = ExtentStep(maxY - minY);
    TLogicBounds b;
    b.Left = sx * RoundDown(minX / sx);
    b.Right = sx * RoundUp(maxX / sx);
    double low = sy * RoundDown(minY / sy);
    double high = sy * RoundUp(maxY / sy);
    if (graph.Yreversed) {
        b.Top = high;
        b.Bottom = low;
    } else {
        b.Top = low;
        b.Bottom = high;
    }
    return b;
}

double SnapSpacing(double raw)
{
    double e = std::pow(10.0, std::floor(std::log10(raw)));
    double f = std::trunc(raw / e);
    if (f < 2.0)
        return e;
    if (f < 5.0)
        return 2.0 * e;
    if (f < 9.0)
        return 5.0 * e;
    return 10.0 * e;
}

TTickSpacing ComputeTickSpacing(const TLogicBounds& bounds, int areaWidth, int areaHeight,
                                int textHeight)
{
    TTickSpacing t;
    if (textHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return t;
    int nx = areaWidth / (6 * textHeight);
    int ny = areaHeight / (6 * textHeight);
    if (nx == 0 || ny == 0)
        return t;
    double rawX = (bounds.Right - bounds.Left) / nx;
    double rawY = std::fabs(bounds.Bottom - bounds.Top) / ny;
    if (!(rawX > 0.0) || !(rawY > 0.0) || !std::isfinite(rawX) || !std::isfinite(rawY))
        return t;
    t.MajorX = SnapSpacing(rawX);
    t.MajorY = SnapSpacing(rawY);
    SetTickIndices(t, bounds);
    return t;
}

double NextCoarserSpacing(double major)
{
    const double e = std::pow(10.0, std::floor(std::log10(major)));
    const double f = major / e; // 1, 2 or 5 (up to rounding)
    if (f < 1.5)
        return 2.0 * e;
    if (f < 3.5)
        return 5.0 * e;
    return 10.0 * e;
}

double SpacingForLabels(double major, double low, double high, int pixels,
                        const TLabelLength& labelLength, int gap)
{
    if (!labelLength || !(major > 0.0) || !(high > low) || pixels <= 0)
        return major;
    // Each step at least doubles the spacing: a few dozen steps pass any range of doubles.
    for (int step = 0; step < 64; ++step) {
        const double distance = major / (high - low) * pixels;
        const long long first = static_cast<long long>(RoundUp(low / major));
        const long long last = static_cast<long long>(RoundDown(high / major));
        bool apart = true;
        // The label values as the painter forms them: index 5k of the minor spacing.
        const double minor = major / 5.0;
        int previous = -1;
        for (long long k = first; k <= last && apart; ++k) {
            const int length = labelLength(static_cast<double>(5 * k) * minor);
            if (previous >= 0 && (previous + length) / 2.0 + gap > distance)
                apart = false;
            previous = length;
        }
        if (apart)
            return major;
        major = NextCoarserSpacing(major);
    }
    return major;
}

TTickSpacing ComputeTickSpacing(const TLogicBounds& bounds, int areaWidth, int areaHeight,
                                int textHeight, const TLabelLength& labelLengthX,
                                const TLabelLength& labelLengthY, int gap)
{
    TTickSpacing t = ComputeTickSpacing(bounds, areaWidth, areaHeight, textHeight);
    if (!t.Valid)
        return t;
    t.MajorX = SpacingForLabels(t.MajorX, bounds.Left, bounds.Right, areaWidth, labelLengthX, gap);
    t.MajorY = SpacingForLabels(t.MajorY, std::min(bounds.Top, bounds.Bottom),
                                std::max(bounds.Top, bounds.Bottom), areaHeight, labelLengthY, gap);
    SetTickIndices(t, bounds);
    return t;
}

int DataToDeviceX(double x, const TLogicBounds& b, const TDeviceRect& area)
{
    double f = (x - b.Left) / (b.Right - b.Left);
    return ToDevice(area.Left + f * area.Width());
}

int DataToDeviceY(double y, const TLogicBounds& b, const TDeviceRect& area, bool xOnTop)
{
    double f = (y - b.Top) / (b.Bottom - b.Top);
    double py = xOnTop ? area.Top + f * area.Height() : area.Bottom - f * area.Height();
    return ToDevice(py);
}

double DeviceToDataX(int px, const TLogicBounds& b, const TDeviceRect& area)
{
    if (area.Width() == 0)
        return b.Left;
    return b.Left + double(px - area.Left) / area.Width() * (b.Right - b.Left);
}

double DeviceToDataY(int py, const TLogicBounds& b, const TDeviceRect& area, bool xOnTop)
{
    if (area.Height() == 0)
        return b.Top;
    double f =
        xOnTop ? double(py - area.Top) / area.Height() : double(area.Bottom - py) / area.Height();
    return b.Top + f * (b.Bottom - b.Top);
}

TLogicBounds ZoomIn(double x1, double y1, double x2, double y2, const TLogicBounds& full,
                    bool yReversed)
{
    double left = std::min(x1, x2), right = std::max(x1, x2);
    double low = std::min(y1, y2), high = std::max(y1, y2);
    KeepMinimumWidth(left, right, full.Left, full.Right);
    KeepMinimumWidth(low, high, std::min(full.Top, full.Bottom), std::max(full.Top, full.Bottom));
    TLogicBounds b;
    b.Left = left;
    b.Right = right;
    b.Top = yReversed ? high : low;
    b.Bottom = yReversed ? low : high;
    return b;
}

TLogicBounds ZoomOut(double x, double y, const TLogicBounds& current, const TLogicBounds& full,
                     bool yReversed)
{
    TLogicBounds b;
    ZoomOutRange(x, current.Right - current.Left, full.Left, full.Right, b.Left, b.Right);
    double low = 0.0, high = 0.0;
    ZoomOutRange(y, std::fabs(current.Bottom - current.Top), std::min(full.Top, full.Bottom),
                 std::max(full.Top, full.Bottom), low, high);
    b.Top = yReversed ? high : low;
    b.Bottom = yReversed ? low : high;
    return b;
}

} // namespace korva::gui
