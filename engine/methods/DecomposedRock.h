#pragma once
#include "engine/methods/SideResistanceCommon.h"
#include "engine/methods/TipResistanceCommon.h"

// Decomposed rock / gravel treated as a cohesionless intermediate geomaterial (code 5).
namespace korva::methods {

// Values of a decomposed-rock slice, interpolated at the slice.
struct DecomposedRockInput
{
    float depth_ft = 0.0f;            // z, slice bottom below the ground surface
    float blowCount = 0.0f;           // N
    float sigmaVSlice_psf = 0.0f;     // sigma'v(z), effectiveVerticalStress_psf
    float sigmaVLayerMid_psf = 0.0f;  // layerMidEffectiveStress_psf of the layer
    float referenceLength_ft = 0.0f;  // L: layer mid-depth + TOPLEN
    float socketDiameter_ft = 0.0f;   // B0 as entered
    float stemDiameter_ft = 0.0f;     // D
    float initialDiameter_ft = 0.0f;  // DSTART
    float gamma_pcf = 0.0f;           // total unit weight (checked only)
    float shaftBaseArea_ft2 = 0.0f;   // 0.7854 Db^2, the area of the end-bearing limit
    float maxLoadTransfer_tsf = 0.0f; // TRANLM / 2000 (0: no cap)
};

struct DecomposedRockResult
{
    SideResult side; // f = s / 2000 with s = Ko tan(0.75 phi') sigma'v, then the TRANLM cap
    TipResult tip;   // Qb = 1.6853898 sigma'v t^0.8 Bt^2 / 2000
    float sigma_v_psf = 0.0f;       // the stress used
    float frictionAngle_deg = 0.0f; // phi'
    MethodWarnings warnings;        // of side and tip together (side.warnings and
                                    // tip.warnings stay empty)
};

// B = B0 D/DSTART. The stress is the slice's own sigma'v when z < L + 2B, the layer mid-depth
// stress otherwise. phi' = atan[(N / (12.2 + 20.3 sigma'v / 2115.7))^0.34];
// t = 423.14 N / sigma'v; Ko = (1 - sin phi') t^(sin phi'). Tip: Bt = B, or DSTART when
// B < 0.001 ft; qmax = 2.1459 sigma'v t^0.8 psf. Flags: UnitWeightMissing;
// NonPositiveEffectiveStress (sigma'v <= 0: side and tip 0); ZeroInitialDiameter;
// ZeroBaseDiameter (Bt <= 0: tip 0); NegativeResistanceSetToZero.
DecomposedRockResult decomposedRock(const DecomposedRockInput& input);

} // namespace korva::methods
