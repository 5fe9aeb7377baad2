#pragma once
#include <span>
#include <vector>

#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {

// Unit weight of one layer of the profile, layers ordered from the ground surface down; a
// layer's top is the bottom of the layer above (0 for the first).
struct UnitWeightLayer
{
    float bottom_ft = 0.0f;
    float gammaTop_pcf = 0.0f;    // total unit weight at the layer top
    float gammaBottom_pcf = 0.0f; // total unit weight at the layer bottom
};

// Effective vertical stress sigma'v (psf) at a depth, truncated to whole feet: the sum over the
// 1-ft steps j = 1..z of the unit weight of the layer holding the step, interpolated at j,
// submerged (gamma - 62.4) when j is deeper than the water table. A step that crosses layer
// bottoms is split there, each part weighed with its own layer's unit weight at the part's
// lower end. Below the deepest layer its bottom unit weight is used. A piece never adds a
// negative weight (a rock layer without a unit weight below the water table adds 0). 0 for an
// empty profile or a depth above 1 ft.
float effectiveVerticalStress_psf(std::span<const UnitWeightLayer> layers, float depth_ft,
                                  float waterTableDepth_ft);

// The same sums for every whole depth 0..maxDepth_ft at once: element z equals
// effectiveVerticalStress_psf(layers, z, waterTableDepth_ft), bit for bit.
std::vector<float> effectiveVerticalStressTable_psf(std::span<const UnitWeightLayer> layers,
                                                    int maxDepth_ft, float waterTableDepth_ft);

// Effective vertical stress at the middle of a layer (decomposed rock): the layers above
// contribute the mean of their top and bottom unit weights times their thickness, the layer
// itself its mean unit weight times half its thickness; 62.4 x (mid-depth - water table) is
// subtracted when the mid-depth is at or below the water table. An index beyond the profile
// gives 0.
float layerMidEffectiveStress_psf(std::span<const UnitWeightLayer> layers, int layerIndex,
                                  float waterTableDepth_ft);

} // namespace korva::methods
