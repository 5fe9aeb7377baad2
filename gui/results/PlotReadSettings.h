#pragma once

#include <vector>

namespace korva::gui {

// One row of the project's soil layer table as the soil-layer strip needs it.
struct TPlotSoilLayer
{
    int SoilType = 0;         // material kind code 1..9
    double BottomDepth = 0.0; // ft (English) or m (SI)
};

// The project fields the plot data reader uses (copied from the project by the caller).
struct TPlotReadSettings
{
    int fUnits = 1;            // 1 English, 2 SI
    int Yesnewversion = 1;     // 0: depth rows in the legacy five-value layout
    int UseElevation = 0;      // 1: depth graphs plotted against elevation
    double ValElevation = 0.0; // elevation of the ground surface
    int NLRFD = 2;             // 1 LRFD, 2 ASD
    int KCYCL = 1;             // 1 compression, 2 uplift
    double FST = 1.0;          // factor of safety, side
    double FSB = 1.0;          // factor of safety, base
    int IPENT = 0;             // several shaft lengths
    int IChart = 0;            // design charts
    double DSTART = 0.0;       // first diameter, ft or m
    double DIAMINCR = 0.0;     // diameter step of design-chart runs
    int PrintTZCurves = 0;     // additional t-z curves written
    std::vector<TPlotSoilLayer> Layers;
};

} // namespace korva::gui
