#include "gui/views/CombinedPlotDiagrams.h"

#include "gui/model/NumberText.h"
#include "gui/results/GraphPlot.h"
#include "gui/results/Line.h"
#include "gui/views/ViewNumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korva::gui {

namespace {

// Relative allowance for the leading digit of a factor that is a decimal fraction (0.7 / 0.1
// is 6.999... in binary).
constexpr double DigitAllowance = 1.0e-9;

double RoundToSignificant(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, digits - 1 - std::floor(std::log10(std::fabs(value))));
    return std::round(value * scale) / scale;
}

} // namespace

double StepSizeFactor(double f, bool up)
{
    if (!(f > 0.0) || !std::isfinite(f))
        return 1.0;
    const double logarithm = std::log10(f) + DigitAllowance;
    // The integer part, one less for a negative logarithm: the decade of the factor.
    double c = std::trunc(logarithm);
    if (logarithm < 0.0)
        c -= 1.0;
    const double m = std::pow(10.0, c);
    const double e = std::floor(f / m + DigitAllowance);
    double next;
    if (up)
        next = e >= 10.0 ? m * 20.0 : m * (e + 1.0);
    else
        next = e <= 1.0 ? 0.9 * m : m * (e - 1.0);
    return RoundToSignificant(next, 12);
}

std::string SizeFactorText(double factor)
{
    return GeneralNumberText(factor, 15);
}

std::optional<double> ParseSizeFactor(const std::string& text)
{
    const auto value = ParseDecimal(text);
    if (!value || !(*value > 0.0L) || !std::isfinite(static_cast<double>(*value)))
        return std::nullopt;
    return static_cast<double>(*value);
}

double DiagramDepth(double y, const TDiagramProject& project)
{
    double depth = project.UseElevation == 1 ? project.ValElevation - y : y;
    if (project.BS > 0.0) {
        depth -= project.BS;
        if (depth < 0.0)
            depth = 0.0;
    }
    return depth;
}

TSceneList BuildDiagrams(const TGraphPlot& graph, const TDiagramOptions& options,
                         const TDiagramProject& project)
{
    TSceneList list;
    if (!options.Show)
        return list;
    const int curves = std::min(graph.LineCount(), 3);
    double Xmax = 0.0;
    for (int i = 0; i < curves; ++i)
        for (const TFloatPoint& point : graph.Lines(i).Points())
            Xmax = std::max(Xmax, std::fabs(point.x));
    // Capacities all zero (or not finite) cannot be scaled: no diagram is drawn.
    if (!(Xmax > 0.0) || !std::isfinite(Xmax))
        return list;

    const double D = project.DSTART;
    const double W = 2.0 * D * options.SizeFactor;
    static constexpr std::array<TRgba, 3> colours{
        {{1.0F, 0.0F, 0.0F, 1.0F}, {0.0F, 1.0F, 0.0F, 1.0F}, {0.0F, 0.0F, 1.0F, 1.0F}}};
    const std::array<bool, 3> shown{options.SkinFriction, options.TipResistance,
                                    options.TotalCapacity};
    for (int i = 0; i < curves; ++i) {
        if (!shown[static_cast<std::size_t>(i)])
            continue;
        const TRgba colour = colours[static_cast<std::size_t>(i)];
        const std::vector<TFloatPoint>& points = graph.Lines(i).Points();
        auto at = [&](double x) { return D + x / Xmax * W; };
        for (std::size_t k = 0; k + 1 < points.size(); ++k) {
            const double d1 = DiagramDepth(points[k].y, project);
            const double d2 = DiagramDepth(points[k + 1].y, project);
            TPrimitive strip{TPrimitiveKind::LineStrip,
                             colour,
                             {{D, 0.0, -d2},
                              {D, 0.0, -d1},
                              {at(points[k].x), 0.0, -d1},
                              {at(points[k + 1].x), 0.0, -d2}}};
            if (k + 2 == points.size())
                strip.Vertices.push_back({D, 0.0, -d2});
            list.Primitives.push_back(std::move(strip));
        }
        if (options.MaximumValues && !points.empty()) {
            const TFloatPoint* largest = &points.front();
            for (const TFloatPoint& point : points)
                if (std::fabs(point.x) > std::fabs(largest->x))
                    largest = &point;
            list.Labels.push_back(
                {{1.5 * D + largest->x / Xmax * W, 0.0, -DiagramDepth(largest->y, project)},
                 SceneNumberLabel(largest->x)});
        }
    }
    return list;
}

TWindowPlace DiagramOptionsPlace(int mainLeft, int mainTop, int mainWidth, int mainHeight,
                                 int ownWidth, int ownHeight)
{
    TWindowPlace place;
    place.Left = mainLeft + static_cast<int>(std::lround(0.75 * mainWidth)) -
                 static_cast<int>(std::lround(ownWidth / 2.0));
    place.Top = mainTop + static_cast<int>(std::lround(mainHeight / 2.0)) -
                static_cast<int>(std::lround(ownHeight / 2.0));
    if (place.Left + ownWidth > mainLeft + mainWidth)
        place.Left = mainLeft + mainWidth - ownWidth;
    if (place.Top + ownHeight > mainTop + mainHeight)
        place.Top = mainTop + mainHeight - ownHeight;
    return place;
}

} // namespace korva::gui
