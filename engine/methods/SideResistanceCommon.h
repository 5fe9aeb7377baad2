#pragma once
#include "engine/methods/MaterialKind.h"
#include "engine/methods/MethodWarnings.h"
#include "engine/methods/PhysicalConstants.h"

// Pieces of the unit side resistance shared by all materials: the loading of the shaft, the
// cap by the layer's maximum load transfer, and the perimeter a 1-ft slice acts on.
namespace korva::methods {

// Shaft values that change the side resistance of a slice.
struct SideLoading
{
    bool uplift = false;          // KCYCL = 2
    float upliftFactor = 0.7f;    // RCYCL, multiplies the side strength in uplift
    float baseToStemRatio = 0.0f; // RATIO of a belled shaft (0 or 1 for a straight one)
};

// Result of a slice side computation.
struct SideResult
{
    float unitSide_tsf = 0.0f;           // f after every limit, never negative
    float interfaceStrength_psf = 0.0f;  // s as used by the formula (after the uplift factors)
    float coefficient = 0.0f;            // Ko, beta, alpha, K (Kulhawy-Chen) or the rock factor
    float overconsolidationRatio = 0.0f; // Kulhawy-Chen slices only
    MethodWarnings warnings;
};

// Interface strength in uplift for the alpha, Ko and Kulhawy-Chen rules: s x RCYCL, and for a
// belled shaft (ratio above 1) also x the base/stem ratio. Unchanged in compression.
float upliftInterfaceStrength_psf(float interfaceStrength_psf, const SideLoading& loading);

// Cap by the layer's maximum load transfer TRANLM (tsf): applied when TRANLM > 5e-8 tsf.
float capByMaximumLoadTransfer_tsf(float unitSide_tsf, float maxLoadTransfer_tsf);

// Final unit side resistance of a slice: a negative value becomes 0 (flag
// NegativeResistanceSetToZero), then the TRANLM cap.
float finishUnitSide_tsf(float unitSide_tsf, float maxLoadTransfer_tsf, MethodWarnings& warnings);

// Perimeter (ft) over which a 1-ft slice acts: pi D for soils; for rock and intermediate
// geomaterials (codes 4 to 7) the socket perimeter pi B0 D/DSTART, or pi D when
// B0 D/DSTART is below 0.001 ft. diameterRatio is D/DSTART (see socketScale).
float slicePerimeter_ft(MaterialKind kind, float stemDiameter_ft, float socketDiameter_ft,
                        float diameterRatio);

// D/DSTART, the factor by which entered socket diameters follow the stem diameter of the case.
// DSTART <= 0 gives 1 and the flag ZeroInitialDiameter.
float socketScale(float stemDiameter_ft, float initialDiameter_ft, MethodWarnings& warnings);

} // namespace korva::methods
