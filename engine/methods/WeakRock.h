#pragma once
#include "engine/methods/MethodWarnings.h"
#include "engine/methods/SideResistanceCommon.h"
#include "engine/methods/TipResistanceCommon.h"

// Weak rock treated as a cohesive intermediate geomaterial (code 6).
namespace korva::methods {

// Running average of the intact-rock modulus Ei over the weak-rock slices of a case (and the
// samples the load-settlement step adds). Owned by the run; cleared after every case.
struct IntactModulusAverage
{
    int count = 0;
    float sum_tsf = 0.0f;

    constexpr void add(float modulus_tsf)
    {
        ++count;
        sum_tsf += modulus_tsf;
    }
    constexpr float mean_tsf() const
    {
        return count > 0 ? sum_tsf / static_cast<float>(count) : 0.0f;
    }
    constexpr void clear() { *this = IntactModulusAverage{}; }
};

// Interface between concrete and rock, as coded in the project file.
enum class WeakRockInterface : int {
    RoughClosedJoints = 1,
    SmoothClosedJoints = 2,
    RoughOpenJoints = 3,
    SmoothOpenJoints = 4,
};

// Values of a weak-rock slice, interpolated at the slice.
struct WeakRockInput
{
    float depth_ft = 0.0f;                     // z, slice bottom below the ground surface
    float socketTop_ft = 0.0f;                 // zr: top of the first layer of code 6 or 7
    float referenceLength_ft = 0.0f;           // L: layer mid-depth + TOPLEN
    float socketDiameter_ft = 0.0f;            // B0 at the slice, as entered
    float socketDiameterLayerBottom_ft = 0.0f; // B0 at the layer bottom, as entered
    float stemDiameter_ft = 0.0f;              // D
    float initialDiameter_ft = 0.0f;           // DSTART
    float rockStrength_psf = 0.0f;             // qu
    WeakRockInterface interface = WeakRockInterface::RoughClosedJoints;
    float slump_in = 0.0f;                   // concrete slump
    float interfaceFrictionAngle_deg = 0.0f; // phi_rc
    float rqd_percent = 0.0f;                // RQD
    float averageIntactModulus_tsf = 0.0f;   // mean Ei including this slice (IntactModulusAverage)
    float concreteModulus_tsf = 0.0f;        // Ec
    float shaftBaseArea_ft2 = 0.0f;          // 0.7854 Db^2, the area of the end-bearing limit
    float maxLoadTransfer_tsf = 0.0f;        // TRANLM / 2000 (0: no cap)
};

struct WeakRockResult
{
    SideResult side;         // f = s / 2000, then the TRANLM cap
    TipResult tip;           // Qb = 0.7854 B^2 min(2.5 qu, q) / 2000
    MethodWarnings warnings; // of side and tip together (side.warnings, tip.warnings empty)

    // Values of the warning lines (valid when the flag is raised) and of the method.
    float socketLengthRatio = 0.0f;         // Ls / B
    float extendedSocketLengthRatio = 0.0f; // (Ls + 2D) / B
    float modulusRatio = 0.0f;              // Ec / Em
    float socketDiameter_ft = 0.0f;         // B = B0 D/DSTART
    float socketLength_ft = 0.0f;           // Lu
    float normalStress_psf = 0.0f;          // sigma_n of the fluid concrete
    float alpha = 0.0f;                     // from sigma_n/pa and qu
    float apparentSide_psf = 0.0f;          // fa after the mass reduction
    float rockMassModulus_tsf = 0.0f;       // Em
    float n = 0.0f;                         // sigma_n / qu (rough) or from the table (smooth)
    float kf = 0.0f;                        // Kf (rough interfaces)
};

// Concrete pressure factor M from the slump (in) and the depth of the fluid concrete (ft).
float concretePressureFactor(float slump_in, float depth_ft);
// alpha from sigma_n / pa and qu (psf).
float weakRockAlpha(float normalStressRatio, float rockStrength_psf);
// Em/Ei from RQD (%), closed or open joints.
float massModulusRatio(float rqd_percent, bool openJoints);
// Reduction of fa from Em/Ei.
float apparentSideReduction(float massModulusRatio);
// n of a smooth interface from E'/sigma_n and qu/pa; E'/sigma_n at or above 3000 uses the
// 3000 column.
float smoothInterfaceN(float modulusToNormalStress, float strengthRatio);

// Side and tip of a weak-rock slice (see the comments in WeakRock.cpp for the steps).
// Flags: WeakRockSocketTooShort (Ls/B <= 2), WeakRockSocketTooLong ((Ls + 2D)/B > 20),
// WeakRockModulusRatio (Ec/Em < 10 or > 500), WeakRockSmallDiameter (B < 1.64 ft); guards
// ZeroSocketDiameter (B <= 0: side and tip 0), ZeroRockStrength (qu <= 0: side and tip 0),
// ZeroRockModulus (Em or Ec <= 0: tip 0, rough side 0), WeakRockFactorsOutOfRange (socket
// factors undefined: rough side or tip 0), ZeroInitialDiameter, NegativeResistanceSetToZero.
WeakRockResult weakRock(const WeakRockInput& input);

} // namespace korva::methods
