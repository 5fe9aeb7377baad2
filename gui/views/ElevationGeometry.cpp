#include "gui/views/ElevationGeometry.h"

#include "gui/views/ViewNumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korva::gui {

namespace {

// The value of pi the bell angle is converted with.
constexpr double BellAnglePi = 3.1416;

int RoundToInt(double value)
{
    // Coordinates far outside any device are held at a range a painter can take.
    constexpr double limit = 1.0e8;
    if (!std::isfinite(value))
        return value > 0 ? static_cast<int>(limit) : -static_cast<int>(limit);
    return static_cast<int>(std::lround(std::clamp(value, -limit, limit)));
}

TShaftPart Rectangle(double width, double top, double bottom)
{
    return {{{{-width / 2, top}, {width / 2, top}, {-width / 2, bottom}, {width / 2, bottom}}}};
}

} // namespace

std::optional<TSoilTypeStyle> SoilTypeStyleOf(int kind)
{
    if (kind < 1 || kind > static_cast<int>(SoilTypeStyles.size()))
        return std::nullopt;
    return SoilTypeStyles[static_cast<std::size_t>(kind - 1)];
}

std::uint32_t ShaftPartColour(std::size_t index)
{
    switch (index) {
    case 0:
        return 0xFF0000;
    case 2:
        return 0x0000FF;
    default:
        return 0x808080;
    }
}

double ElevationBellHeight(double D, double RATIO, double BELANGL)
{
    if (!(BELANGL > 0.0 && RATIO > 1.0))
        return 0.0;
    const double slope = std::tan(BELANGL * BellAnglePi / 180.0);
    // A bell angle at which the flank turns horizontal has no height.
    if (!(slope > 0.0) || !std::isfinite(slope))
        return 0.0;
    return ((RATIO - 1.0) / 2.0 * D) / slope;
}

double TElevationView::DrawnShaftLength() const
{
    return fProject.PD < 0.0001 ? fProject.LastLayerBottom() : fProject.PD;
}

void TElevationView::Rebuild(const TViewProject& project)
{
    fProject = project;
    fParts.clear();
    if (project.Layers.empty())
        return;
    const double D = project.DSTART;
    const double L = DrawnShaftLength();
    const double hb = ElevationBellHeight(D, project.RATIO, project.BELANGL);
    const double Lm = L - project.BS - project.TOPLENG - hb;

    double y = 2.0 * D;
    for (const double h : {project.TOPLENG, Lm, project.BS}) {
        fParts.push_back(Rectangle(D, y, y + h));
        y += h;
    }
    const double base = project.RATIO * D;
    fParts.push_back({{{{-D / 2, y}, {D / 2, y}, {-base / 2, y + hb}, {base / 2, y + hb}}}});

    TDrawingExtent extent{0.0, 0.0, 0.0, 0.0};
    double deepest = 0.0;
    for (const TShaftPart& part : fParts) {
        extent.Left = std::min({extent.Left, part.Corners[0].x, part.Corners[2].x});
        extent.Right = std::max({extent.Right, part.Corners[1].x, part.Corners[3].x});
        extent.Top = std::min({extent.Top, part.Corners[0].y, part.Corners[1].y});
        deepest = std::max({deepest, part.Corners[2].y, part.Corners[3].y});
    }
    extent.Bottom = std::max(deepest, project.LastLayerBottom()) + 3.0 * D;
    fExtent = extent;
}

bool TElevationView::Layout(int clientWidth, int clientHeight)
{
    fWidth = clientWidth;
    fHeight = clientHeight;
    fVisible = fExtent;
    const double a = (static_cast<double>(clientWidth) / clientHeight) /
                     ((fExtent.Right - fExtent.Left) / (fExtent.Bottom - fExtent.Top));
    // A client area or an extent without width or height leaves the proportion undefined
    // (or infinite): nothing is drawn until a layout succeeds again.
    fNoDrawing = !(std::isfinite(a) && a > 0.0);
    if (fNoDrawing)
        return false;
    if (a >= 1.0) {
        fVisible.Left *= a;
        fVisible.Right *= a;
    } else {
        fVisible.Top /= a;
        fVisible.Bottom /= a;
    }
    return true;
}

int TElevationView::MapX(double x) const
{
    return RoundToInt(fWidth * (x - fVisible.Left) / (fVisible.Right - fVisible.Left));
}

int TElevationView::MapY(double y) const
{
    return RoundToInt(fHeight * (y - fVisible.Top) / (fVisible.Bottom - fVisible.Top));
}

double TElevationView::UnmapY(int py) const
{
    return fVisible.Top + static_cast<double>(py) * (fVisible.Bottom - fVisible.Top) / fHeight;
}

std::string TElevationView::DepthReadout(int py) const
{
    return "  Depth: " + FixedText(UnmapY(py) - GroundY(), 1);
}

std::vector<TSoilBand> TElevationView::Bands(bool withUnitWord) const
{
    std::vector<TSoilBand> bands;
    double top = 0.0;
    for (std::size_t r = 0; r < fProject.Layers.size(); ++r) {
        const TViewLayer& layer = fProject.Layers[r];
        const auto style = SoilTypeStyleOf(layer.Kind);
        TSoilBand band;
        band.TopDepth = top;
        band.BottomDepth = layer.Bottom;
        band.Kind = layer.Kind;
        band.Label = "Layer " + std::to_string(r + 1) + "; depth= " + FixedText(top, 2) + " - " +
                     FixedText(layer.Bottom, 2) + (withUnitWord ? fProject.UnitWord() : "") + "; " +
                     (style ? style->Name : "");
        bands.push_back(std::move(band));
        top = layer.Bottom;
    }
    return bands;
}

TElevationPage::TElevationPage(const TElevationView& view, int pageWidth, int pageHeight)
    : fYmax(view.GroundY() + view.Project().LastLayerBottom()), fGround(view.GroundY()),
      fWidth(pageWidth), fHeight(pageHeight)
{
}

int TElevationPage::MapY(double y) const
{
    return RoundToInt(y / fYmax * 0.8 * fHeight) + RoundToInt(0.1 * fHeight);
}

int TElevationPage::MapDepth(double depth) const
{
    return MapY(depth + fGround);
}

int TElevationPage::MapX(double x) const
{
    return RoundToInt(0.5 * fWidth) + RoundToInt(x / fYmax * 0.8 * fHeight);
}

int TElevationPage::Left() const
{
    return RoundToInt(0.1 * fWidth);
}

int TElevationPage::Right() const
{
    return RoundToInt(0.9 * fWidth);
}

int TElevationPage::LabelX() const
{
    return RoundToInt(0.15 * fHeight);
}

int TElevationPage::GroundStep() const
{
    return RoundToInt(0.02 * fHeight);
}

int TElevationPage::StrokeLength() const
{
    return RoundToInt(0.01 * fHeight);
}

std::vector<int> TElevationPage::GroundStrokeStarts() const
{
    std::vector<int> starts;
    const int step = GroundStep();
    if (step <= 0)
        return starts;
    const double end = 0.9 * fWidth - 3.0 * step;
    for (double x = 0.1 * fWidth + 2.0 * step; x < end; x += step)
        starts.push_back(RoundToInt(x));
    return starts;
}

std::vector<int> ScreenGroundStrokeStarts(int clientWidth)
{
    std::vector<int> starts;
    for (int x = 20; x < clientWidth - 25; x += 20)
        starts.push_back(x);
    return starts;
}

} // namespace korva::gui
