#pragma once
#include "engine/methods/MaterialKind.h"
#include "engine/methods/SandSideResistance.h"

// Side coefficients (Ko, beta, M, alpha) that the user left at zero: estimated once per run at
// the top and the bottom of each layer, and again at each slice.
namespace korva::methods {

// True when a layer's coefficient is to be estimated: 0 at both top and bottom. Only the soil
// kinds 1, 2, 3, 8 and 9 carry a side coefficient.
bool sideCoefficientIsEstimated(MaterialKind kind, float coefficientTop, float coefficientBottom);

// Estimate at one end of a layer (depth_ft the layer top or bottom, N and cu at that end):
// sand beta from depth and N, Ko and M 0.25; gravelly sand and gravel beta from depth; clay
// and clay shale alpha from cu. 0 for kinds 4 to 7.
float estimatedSideCoefficient(MaterialKind kind, SandProcedure procedure, float depth_ft,
                               float blowCount, float cu_psf);

// Coefficient at a slice. Not estimated: the value interpolated between the entered top and
// bottom values. Estimated: sand beta, gravelly sand and gravel beta recomputed at the slice
// depth (sand beta with N at the slice); clay alpha and the sand Ko and M from the value
// interpolated between the two end estimates; then, except for gravelly sand and gravel,
// limited to 0.25..1.2.
float sliceSideCoefficient(MaterialKind kind, SandProcedure procedure, bool estimated,
                           float interpolatedCoefficient, float depth_ft, float blowCount);

} // namespace korva::methods
