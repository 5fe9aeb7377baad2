#pragma once

#include "engine/deck/InputDeck.h"
#include "engine/deck/LayerEstimates.h"

namespace korva {

// Side coefficients, clay end-bearing factors and sand friction angles that the user left at
// zero, estimated at the top and the bottom of every layer (once per run, after reading and
// before the first case). Entered values are passed through unchanged.
LayerEstimates estimateLayerCoefficients(const InputDeck& deck);

// Estimated clay end-bearing factor at a depth: min(9, 6 (1 + 0.2 z / DSTART)); 9 when DSTART
// is not positive.
float estimatedClayNc(float depth_ft, float initialDiameter_ft);

} // namespace korva
