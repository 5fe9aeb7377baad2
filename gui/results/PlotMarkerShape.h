#pragma once

#include <vector>

namespace korva::gui {

struct TMarkerVertex
{
    double x = 0.0;
    double y = 0.0;
};

// Number of the marker shape of a curve by its index in the graph (from 0): c mod 10 + 1;
// 1 a triangle pointing down, 2 a square, 3 to 10 a regular polygon of that many vertices.
int MarkerShapeNumber(int curveIndex);

// Vertices of the marker of a curve centred on (px, py) with radii rx, ry (device pixels,
// y growing downward). A vertex at angle t is (px + rx sin t, py - ry cos t).
std::vector<TMarkerVertex> MarkerVertices(int curveIndex, double px, double py, double rx,
                                          double ry);

} // namespace korva::gui
