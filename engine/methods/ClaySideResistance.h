#pragma once
#include "engine/methods/MaterialKind.h"
#include "engine/methods/SideResistanceCommon.h"

// Unit side resistance of clay and clay shale by the alpha method.
namespace korva::methods {

// Estimated alpha from the undrained shear strength: r = cu / 2116.8; 0.55 for r <= 1.5,
// 0.55 - 0.1 (r - 1.5) for 1.5 < r < 2.5, 0.4 for r >= 2.5.
float estimatedAlpha(float cu_psf);

// cu of at least 2.5 atmospheres (r >= 2.5): clay criteria may not apply; the layer echo of
// clay and clay shale then carries kClayStrengthTooHighLines.
bool clayStrengthMayBeTooHigh(float cu_psf);

// Strength of a clay slice without undrained shear strength, from N: 200 N psf (N/10 tsf).
constexpr float clayStrengthFromBlowCount_psf(float blowCount)
{
    return 200.0f * blowCount;
}
// Strength of a clay-shale slice without undrained shear strength, from N: 2000 N / 53 psf.
constexpr float clayShaleStrengthFromBlowCount_psf(float blowCount)
{
    return 2000.0f * blowCount / 53.0f;
}

// Values of a clay or clay-shale slice, interpolated at the slice.
struct ClaySideInput
{
    MaterialKind kind = MaterialKind::Clay; // Clay or ClayShale
    float alpha = 0.0f;                     // at the slice (<= 0: no side)
    float cu_psf = 0.0f;                    // CU (below 0.00001: strength from N)
    float blowCount = 0.0f;                 // N
    float gamma_pcf = 0.0f;                 // total unit weight (checked only)
    float maxLoadTransfer_tsf = 0.0f;       // TRANLM / 2000 (0: no cap)
};
// f = alpha s / 2000 with s = CU, or s from N (clay: flag ClayStrengthFromBlowCount). Uplift
// scales s by RCYCL and a bell ratio above 1. Flags also: UnitWeightMissing,
// NegativeResistanceSetToZero.
SideResult clayUnitSide(const ClaySideInput& input, const SideLoading& loading);

} // namespace korva::methods
