#include "gui/results/PlotMarkerShape.h"

#include <cmath>
#include <numbers>

namespace korva::gui {

int MarkerShapeNumber(int curveIndex)
{
    return ((curveIndex % 10) + 10) % 10 + 1;
}

std::vector<TMarkerVertex> MarkerVertices(int curveIndex, double px, double py, double rx,
                                          double ry)
{
    std::vector<double> degrees;
    int m = MarkerShapeNumber(curveIndex);
    if (m == 1)
        degrees = {180.0, 300.0, 60.0}; // triangle pointing down
    else if (m == 2)
        degrees = {45.0, 135.0, 225.0, 315.0}; // square standing on a side
    else
        for (int i = 0; i < m; ++i)
            degrees.push_back(i * 360.0 / m); // first vertex straight above the point
    std::vector<TMarkerVertex> vertices;
    for (double d : degrees) {
        double t = d * std::numbers::pi / 180.0;
        vertices.push_back({px + rx * std::sin(t), py - ry * std::cos(t)});
    }
    return vertices;
}

} // namespace korva::gui
