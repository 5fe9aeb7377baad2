#pragma once

#include <vector>

namespace korva::gui {

class TProgramData;

// One soil layer as the views draw it: its material kind code and the depth of its bottom
// (project length unit).
struct TViewLayer
{
    int Kind = 0;
    double Bottom = 0.0;
    bool operator==(const TViewLayer&) const = default;
};

// The project quantities the elevation view and the 3-D view draw, read from the project
// model each time a view is activated or told that the project changed. Lengths in the
// project's length unit (ft or m).
struct TViewProject
{
    int Units = 1;             // 1 English, 2 SI
    int METHOD = 2;            // 1 design load given (length sought), 2 shaft length given
    int KCYCL = 1;             // 1 compression, 2 uplift
    double DSTART = 0.0;       // shaft diameter D
    double PD = 0.0;           // shaft length
    double TOPLENG = 0.0;      // ignored top length
    double BS = 0.0;           // ignored bottom length
    double RATIO = 0.0;        // bell base diameter / shaft diameter
    double BELANGL = 0.0;      // bell angle from the vertical (deg)
    double WTD = 0.0;          // water table depth
    int UseElevation = 0;      // 1: depth graphs hold elevations
    double ValElevation = 0.0; // elevation of the shaft head
    std::vector<TViewLayer> Layers;

    // Bottom depth of the last soil layer; 0 without layers.
    double LastLayerBottom() const { return Layers.empty() ? 0.0 : Layers.back().Bottom; }
    // Length unit word as the print-out writes it: " ft" or " m".
    const char* UnitWord() const { return Units == 2 ? " m" : " ft"; }
    bool operator==(const TViewProject&) const = default;
};

TViewProject ViewProjectOf(const TProgramData& project);

} // namespace korva::gui
