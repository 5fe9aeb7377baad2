#pragma once
#include "engine/methods/MethodWarnings.h"
#include "engine/methods/PhysicalConstants.h"

// Pieces of the tip resistance shared by all materials: the base area, the layer's maximum end
// bearing, uplift, and the effective weight of the shaft that replaces the tip in uplift.
namespace korva::methods {

// Result of a slice tip computation: the tip resistance as if the base were at the slice.
struct TipResult
{
    float tip_tons = 0.0f;        // Qb before the maximum end bearing and uplift rules
    float unitTip_tsf = 0.0f;     // unit value of the material rule (sand family: qmax; clay: q)
    float limitArea_ft2 = 0.0f;   // area for the maximum end bearing rule
    float bearingFactorNc = 0.0f; // clay family: Nc used
    float fhwaBearingFactorNc = 0.0f; // clay family: Nc of the depth/strength rule
    MethodWarnings warnings;
};

// Area of a circle of diameter d, with pi/4 = 0.7854 as in the base-area formulas.
constexpr float baseArea_ft2(float diameter_ft)
{
    return kQuarterPi * diameter_ft * diameter_ft;
}

// Maximum end bearing qb of the layer (tsf, interpolated at the slice): qb < -1e-6 prescribes
// Qb = |qb| x area; qb > 0 limits Qb to qb x area; 0 (or the "no limit" 1e10 psf) leaves it.
float applyMaximumEndBearing_tons(float tip_tons, float maxEndBearing_tsf, float area_ft2);

// The stored slice tip: the maximum end bearing rule, then 0 in uplift.
float finishSliceTip_tons(float tip_tons, float maxEndBearing_tsf, float area_ft2, bool uplift);

// Effective weight of the shaft (tons) carried in the tip column in uplift: the concrete,
// V x 4050 / 2000 (150 pcf), less the buoyancy (zb - WTD) x 0.02450448 D^2 when the base is
// below the water table (0.02450448 = 0.7854 x 62.4 / 2000, D the stem diameter). Never below 0.
float upliftShaftWeight_tons(float concreteVolume_cuyd, float baseDepth_ft,
                             float waterTableDepth_ft, float stemDiameter_ft);

} // namespace korva::methods
