#pragma once

#include "gui/views/SceneGeometry.h"

#include <optional>
#include <string>
#include <vector>

namespace korva::gui {

class TGraphPlot;

// Options of the capacity diagrams drawn beside the shaft in the 3-D view.
struct TDiagramOptions
{
    bool Show = false;
    bool SkinFriction = true;
    bool TipResistance = true;
    bool TotalCapacity = true;
    int ResultSet = 0; // 0 ultimate values (pltCombine), 1 ASD/LRFD values (pltCombineD)
    bool MaximumValues = false;
    double SizeFactor = 1.0;
    bool operator==(const TDiagramOptions&) const = default;
};

// One step of the size-factor arrows: up 1, 2, ..., 9, 10, 20, ...; down 1, 0.9, 0.8, ...
// A factor of 0 or less becomes 1.
double StepSizeFactor(double factor, bool up);
// The factor as the edit box shows it (shortest general form).
std::string SizeFactorText(double factor);
// A typed size factor: a positive finite number, none otherwise.
std::optional<double> ParseSizeFactor(const std::string& text);

// The project quantities the diagrams use.
struct TDiagramProject
{
    double DSTART = 0.0;       // shaft diameter
    double BS = 0.0;           // ignored bottom length
    int UseElevation = 0;      // 1: the graph holds elevations
    double ValElevation = 0.0; // elevation of the shaft head
};

// Depth at which a graph point of ordinate y is drawn.
double DiagramDepth(double y, const TDiagramProject& project);

// The diagrams of the shown curves of a combined graph (curve 0 side resistance red,
// 1 tip resistance or self-weight green, 2 total capacity blue), in the plane y = 0: one
// outline strip per pair of consecutive points, the last one closed back to the shaft face,
// and the maximum-value labels. Nothing when the options do not show the diagrams or every
// capacity is 0.
TSceneList BuildDiagrams(const TGraphPlot& graph, const TDiagramOptions& options,
                         const TDiagramProject& project);

// Top-left corner of the options window: centred on the point at 3/4 of the main window's
// width and 1/2 of its height, moved left and up so that it stays inside the main window's
// right and bottom edges.
struct TWindowPlace
{
    int Left = 0;
    int Top = 0;
};
TWindowPlace DiagramOptionsPlace(int mainLeft, int mainTop, int mainWidth, int mainHeight,
                                 int ownWidth, int ownHeight);

} // namespace korva::gui
