#pragma once
#include "engine/methods/MaterialKind.h"
#include "engine/methods/SideResistanceCommon.h"
#include "engine/methods/TipResistanceCommon.h"

// Side and tip resistance of strong rock: code 4 (side friction or end bearing, chosen by the
// rock strength) and code 7 (side friction plus end bearing).
namespace korva::methods {

// q' above which the side resistance follows the square-root rule (280 lb/in2).
inline constexpr float kStrongRockSquareRootRule_psf = 40320.0f;
// q' above which code 4 carries its load in end bearing only, and below which in side
// resistance only (1000 lb/in2).
inline constexpr float kStrongRockEndBearingStrength_psf = 144000.0f;

// Values of a strong-rock slice, interpolated at the slice.
struct StrongRockInput
{
    MaterialKind kind = MaterialKind::StrongRockSideAndBase; // code 4 or 7
    float rockStrength_psf = 0.0f;                           // qu
    float concreteStrength_psf = 0.0f;                       // f'c
    float discontinuitySpacing_ft = 0.0f;                    // s
    float discontinuityThickness_ft = 0.0f;                  // td
    float socketDiameter_ft = 0.0f;                          // B0 as entered
    float stemDiameter_ft = 0.0f;                            // D of the case
    float initialDiameter_ft = 0.0f;                         // DSTART
    bool uplift = false;                                     // KCYCL = 2
    float maxLoadTransfer_tsf = 0.0f;                        // TRANLM / 2000 (0: no cap)
};

// Side: q' = min(qu, f'c); q' > 40320 psf: s = 144 sqrt(q'/144), coefficient 2.5; otherwise
// s = q', coefficient 0.15; f = coefficient x s / 2000 then the TRANLM cap. Code 4 in
// compression with q' > 144000 psf: s = 0. The side force acts on slicePerimeter_ft.
// Flags: NegativeResistanceSetToZero.
SideResult strongRockUnitSide(const StrongRockInput& input);

// Tip: B = B0 D/DSTART; Ksp = (3 + s/B) / (10 sqrt(1 + 300 td/s));
// Qb = 2.3562 qu B^2 Ksp / 2000 tons (3 qu Ksp over 0.7854 B^2); limitArea_ft2 = 0.7854 B^2.
// Code 4 with q' <= 144000 psf: Qb = 0 and flag StrongRockBaseCarriesNoLoad.
// Guards: B <= 0: Qb = 0, flag ZeroSocketDiameter; s <= 0: Ksp at its close-spacing limit
// (0 with td > 0, 0.3 with td = 0), flag ZeroDiscontinuitySpacing; DSTART <= 0: B = B0, flag
// ZeroInitialDiameter. unitTip_tsf is 3 qu Ksp / 2000.
TipResult strongRockTip(const StrongRockInput& input);

} // namespace korva::methods
