#pragma once

#include <vector>

#include "engine/deck/InputDeck.h"

namespace korva {

// Values the program fills in for a layer where the user left them at zero, with the flags the
// report shows as "  (*)". Filled once per run, after the deck is read, before the first case.
struct LayerEstimate
{
    // Side coefficient in use: Ko, beta or m of sand, alpha of clay and shale, beta of gravels.
    // The entered values when they were not estimated.
    TopBottom coefficient;
    bool coefficientEstimated = false;
    // Clay and shale end-bearing factor Nc (estimated when 0 at both ends).
    TopBottom nc;
    bool ncEstimated = false;
    // Sand friction angle shown in the report: estimated from N where it was entered as 0.
    TopBottom phi;
    bool phiEstimated = false;
    // Kulhawy and Chen procedure: overconsolidation ratio at the top and bottom.
    TopBottom ocr;
    // Sand with neither N nor a friction angle at its top or its bottom: an input error the
    // run notes report once per run.
    bool blowCountAndFrictionAngleMissing = false;
};

using LayerEstimates = std::vector<LayerEstimate>;

} // namespace korva
