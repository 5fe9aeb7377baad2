#pragma once
#include "engine/methods/MaterialKind.h"
#include "engine/methods/TipResistanceCommon.h"

// Tip resistance of soils as if the base were at a slice: sand, gravelly sand and gravel from
// N (or phi), clay and clay shale from Nc and cu. The maximum end bearing and uplift rules
// (TipResistanceCommon.h) apply afterwards.
namespace korva::methods {

// Tip of a sand, gravelly sand or gravel slice. Flags: ZeroBaseDiameter (tip 0).
struct SandTipInput
{
    float blowCount = 0.0f;                    // N at the slice
    float frictionAngle_deg = 0.0f;            // phi at the slice (used when N = 0)
    float depth_ft = 0.0f;                     // z, the base depth below the ground surface
    float baseDiameter_ft = 0.0f;              // Db
    bool reduceNearSurfaceAndLargeBase = true; // IMOD = 1
};
// qmax = 30 tsf for N >= 50, else min(30, 0.6 N); with N = 0 from phi: phi <= 30 gives
// Qb = 0.00001 tons (no area factor, no large-base reduction), 2.667 (phi - 30) up to 36,
// 16 + 2.8 (phi - 36) up to 41, 30 beyond. Qb = qmax Ab; with IMOD = 1, x 50/(12 Db) when
// Db > 4.17 ft and x z/(10 Db) when 10 Db > z. unitTip_tsf is qmax (0 in the phi <= 30 case).
TipResult sandFamilyTip(const SandTipInput& input);

// Tip of a clay or clay-shale slice. Flags: ZeroInitialDiameter (estimated Nc 9),
// ZeroBaseDiameter (tip 0), NegativeResistanceSetToZero.
struct ClayTipInput
{
    MaterialKind kind = MaterialKind::Clay; // Clay (q limited to 40 tsf) or ClayShale
    float bearingFactorNc = 0.0f;           // Nc interpolated at the slice (entered layers)
    bool bearingFactorEstimated = false;    // Nc was 0 at both ends of the layer
    float cu_psf = 0.0f;                    // CU interpolated at the slice
    bool layerHasUndrainedStrength = true;  // CU at top or bottom above 0.00001 psf
    float blowCount = 0.0f;                 // N at the slice (cu = N/10 tsf without CU)
    float depth_ft = 0.0f;                  // z
    float initialDiameter_ft = 0.0f;        // DSTART, for the Nc estimate
    float baseDiameter_ft = 0.0f;           // Db
};
// Nc: entered, or min(9, 6 (1 + 0.2 z / DSTART)) when estimated; the depth/strength rule when
// that is not positive. Large-base factor Fr for Db > 6.25 ft. q = Nc cu; clay
// Qb = min(40, q) Ab Fr, clay shale Qb = q Ab Fr. unitTip_tsf is q.
TipResult clayFamilyTip(const ClayTipInput& input);

// Nc of the depth/strength rule: Nc* = 6.5 (cu <= 500 psf), 6.5 + 1.5 (cu - 500)/500
// (<= 1000), 8 + (cu - 1000)/1000 (< 2000), 9 (>= 2000); x (2/3)(1 + r/6) when r = z/Db < 3.
// A base diameter <= 0 takes Nc*.
float fhwaBearingFactor(float cu_psf, float depth_ft, float baseDiameter_ft);

// Conditions of the gravelly sand and gravel layer echo (blow counts at top and bottom).
constexpr bool gravelBlowCountAbove50(float blowCountTop, float blowCountBottom)
{
    return blowCountTop > 50.0f || blowCountBottom > 50.0f;
}
constexpr bool gravelBlowCountAtMost25(float blowCountTop, float blowCountBottom)
{
    return blowCountTop <= 25.0f || blowCountBottom <= 25.0f;
}

} // namespace korva::methods
