#pragma once
#include "engine/methods/SideResistanceCommon.h"

// Unit side resistance of cohesionless soils: sand (Ko, beta and Kulhawy-Chen procedures),
// gravelly sand and gravel (beta).
namespace korva::methods {

// Side procedure of a sand layer, as coded in the project file.
enum class SandProcedure : int {
    Ko = 1,          // f = Ko (sigma'v tan delta + c)
    Beta = 2,        // f = beta sigma'v at mid-slice
    KulhawyChen = 3, // K from OCR = N^M pa 0.47 / sigma'v
};

// Lower limit of every estimated coefficient, and the estimate of Ko and of the exponent M.
inline constexpr float kMinimumEstimatedCoefficient = 0.25f;
// Upper limit of estimated coefficients other than those of gravelly sand and gravel.
inline constexpr float kMaximumEstimatedCoefficient = 1.2f;
// Limit of the unit side resistance of sand and gravelly sand by the beta rule.
inline constexpr float kSandBetaUnitSideLimit_tsf = 2.1f;

// Estimated beta of sand at a depth: 1.5 - 0.135 sqrt(z), x N/15 when 0 < N < 15, limited to
// 0.25..1.2.
float estimatedSandBeta(float depth_ft, float blowCount);
// Estimated beta of gravelly sand: 2.0 - 0.15 (0.3048 z)^0.75, limited to 0.25..1.8.
float estimatedGravellySandBeta(float depth_ft);
// Estimated beta of gravel: 3.4 exp(-0.025908 z), limited to 0.25..3.0.
float estimatedGravelBeta(float depth_ft);

// Overconsolidation ratio of the Kulhawy-Chen procedure: N^M x 994.37897 / sigma'v
// (994.37897 = 0.47 x 2115.7 psf), never below 1; 1 where sigma'v is below 1e-10 psf.
float overconsolidationRatio(float blowCount, float exponentM, float sigma_v_psf);

// Friction and interface angles of a sand slice: a friction angle of 0 is taken from N and
// sigma'v, and the interface angle then takes the same value; an interface angle of 0 equals
// the friction angle.
struct SandAngles
{
    float friction_deg = 0.0f;
    float interface_deg = 0.0f;
};
SandAngles sandFrictionAngles(float frictionAngle_deg, float interfaceAngle_deg, float blowCount,
                              float sigma_v_psf);

// Effective stress at the middle of the 1-ft slice ending at depth z:
// sigma'v(z) - 0.5 gamma', gamma' submerged when z is deeper than the water table; x RCYCL in
// uplift (the bell ratio does not apply).
float midSliceEffectiveStress_psf(float sigma_v_psf, float gamma_pcf, float depth_ft,
                                  float waterTableDepth_ft, const SideLoading& loading);

// Values of a sand slice, interpolated at the slice.
struct SandSideInput
{
    SandProcedure procedure = SandProcedure::Beta;
    float coefficient = 0.0f; // Ko, beta or the exponent M at the slice (<= 0: no side)
    float depth_ft = 0.0f;    // z, bottom of the slice below the ground surface
    float sigma_v_psf = 0.0f; // sigma'v(z)
    float gamma_pcf = 0.0f;   // total unit weight
    float waterTableDepth_ft = 0.0f;
    float frictionAngle_deg = 0.0f;   // PHI as entered (0: from N)
    float interfaceAngle_deg = 0.0f;  // delta as entered (0: PHI)
    float cohesion_psf = 0.0f;        // CU, adds to the interface strength
    float blowCount = 0.0f;           // N
    float maxLoadTransfer_tsf = 0.0f; // TRANLM / 2000 (0: no cap)
};
// Unit side resistance of a sand slice. Flags: UnitWeightMissing (gamma < 50 pcf),
// SandWithoutBlowCountOrFrictionAngle (N = 0 and PHI = 0), NegativeResistanceSetToZero.
SideResult sandUnitSide(const SandSideInput& input, const SideLoading& loading);

// Values of a gravelly sand or gravel slice, interpolated at the slice.
struct GravelSideInput
{
    float beta = 0.0f; // at the slice (<= 0: no side)
    float depth_ft = 0.0f;
    float sigma_v_psf = 0.0f;
    float gamma_pcf = 0.0f;
    float waterTableDepth_ft = 0.0f;
    float maxLoadTransfer_tsf = 0.0f;
};
// Gravelly sand: beta rule limited to 2.1 tsf. Flags: UnitWeightMissing,
// NegativeResistanceSetToZero.
SideResult gravellySandUnitSide(const GravelSideInput& input, const SideLoading& loading);
// Gravel: beta rule without the 2.1 tsf limit. Flags as gravelly sand.
SideResult gravelUnitSide(const GravelSideInput& input, const SideLoading& loading);

// Total unit weight below 50 pcf: the soil's unit weight was not entered.
constexpr bool unitWeightMissing(float gamma_pcf)
{
    return gamma_pcf < 50.0f;
}

} // namespace korva::methods
