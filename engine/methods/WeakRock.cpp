#include "engine/methods/WeakRock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/methods/AngleUnits.h"
#include "engine/methods/ClampedTableLookup.h"
#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {
namespace {

// Fluid concrete pressure factor M
//   slump (in) \ depth (ft):  0     13.12  26.25  39.37
//   5                        1.0    0.52   0.47   0.35
//   6.89                     1.0    0.96   0.75   0.65
//   8.86                     1.0    1.0    1.0    0.9
constexpr std::array<float, 3> kSlump_in{5.0f, 6.89f, 8.86f};
constexpr std::array<float, 4> kConcreteDepth_ft{0.0f, 13.12f, 26.25f, 39.37f};
// clang-format off
constexpr std::array<float, 12> kPressureFactor{
    1.0f, 0.52f, 0.47f, 0.35f,
    1.0f, 0.96f, 0.75f, 0.65f,
    1.0f, 1.0f, 1.0f, 0.9f,
};
// clang-format on

// alpha
//   qu (psf) \ sigma_n/pa:  1      2      3      4      5      6      7
//   10415                  0.2    0.34   0.45   0.5    0.5    0.5    0.5
//   20830                  0.145  0.235  0.3    0.36   0.4    0.44   0.47
//   41660                  0.107  0.16   0.208  0.245  0.26   0.275  0.29
//   62490                  0.085  0.14   0.16   0.185  0.21   0.22   0.225
//   83320                  0.07   0.118  0.14   0.155  0.16   0.168  0.172
//   104150                 0.066  0.1    0.122  0.14   0.15   0.153  0.156
constexpr std::array<float, 6> kAlphaStrength_psf{10415.0f, 20830.0f, 41660.0f,
                                                  62490.0f, 83320.0f, 104150.0f};
constexpr std::array<float, 7> kAlphaStressRatio{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f};
// clang-format off
constexpr std::array<float, 42> kAlpha{
    0.2f, 0.34f, 0.45f, 0.5f, 0.5f, 0.5f, 0.5f,
    0.145f, 0.235f, 0.3f, 0.36f, 0.4f, 0.44f, 0.47f,
    0.107f, 0.16f, 0.208f, 0.245f, 0.26f, 0.275f, 0.29f,
    0.085f, 0.14f, 0.16f, 0.185f, 0.21f, 0.22f, 0.225f,
    0.07f, 0.118f, 0.14f, 0.155f, 0.16f, 0.168f, 0.172f,
    0.066f, 0.1f, 0.122f, 0.14f, 0.15f, 0.153f, 0.156f,
};
// clang-format on

// Em/Ei against RQD (%)
//   RQD:            20    50    70    100
//   closed joints   0.05  0.15  0.7   1.0
//   open joints     0.05  0.1   0.3   0.6
constexpr std::array<float, 4> kRqd_percent{20.0f, 50.0f, 70.0f, 100.0f};
constexpr std::array<float, 4> kMassModulusClosed{0.05f, 0.15f, 0.7f, 1.0f};
constexpr std::array<float, 4> kMassModulusOpen{0.05f, 0.1f, 0.3f, 0.6f};

// Reduction of fa against Em/Ei
//   Em/Ei:  0.02  0.05  0.1   0.3   0.5   1.0
//   factor: 0.3   0.45  0.55  0.7   0.8   1.0
constexpr std::array<float, 6> kModulusRatio{0.02f, 0.05f, 0.1f, 0.3f, 0.5f, 1.0f};
constexpr std::array<float, 6> kSideReduction{0.3f, 0.45f, 0.55f, 0.7f, 0.8f, 1.0f};

// n of smooth interfaces
//   qu/pa \ E'/sigma_n:  400    500   600    1000  1500   2000   3000
//   5                    0.5    0.5   0.5    0.46  0.42   0.405  0.4
//   14                   0.5    0.48  0.45   0.38  0.35   0.375  0.24
//   24                   0.472  0.42  0.375  0.29  0.255  0.145  0.075
//   28                   0.458  0.4   0.345  0.26  0.22   0.11   0
//   36                   0.43   0.36  0.29   0.18  0.15   0.04   0
//   48                   0.4    0.3   0.21   0.08  0.05   0.018  0
constexpr std::array<float, 6> kNStrengthRatio{5.0f, 14.0f, 24.0f, 28.0f, 36.0f, 48.0f};
constexpr std::array<float, 7> kNModulusRatio{400.0f,  500.0f,  600.0f, 1000.0f,
                                              1500.0f, 2000.0f, 3000.0f};
// clang-format off
constexpr std::array<float, 42> kSmoothN{
    0.5f, 0.5f, 0.5f, 0.46f, 0.42f, 0.405f, 0.4f,
    0.5f, 0.48f, 0.45f, 0.38f, 0.35f, 0.375f, 0.24f,
    0.472f, 0.42f, 0.375f, 0.29f, 0.255f, 0.145f, 0.075f,
    0.458f, 0.4f, 0.345f, 0.26f, 0.22f, 0.11f, 0.0f,
    0.43f, 0.36f, 0.29f, 0.18f, 0.15f, 0.04f, 0.0f,
    0.4f, 0.3f, 0.21f, 0.08f, 0.05f, 0.018f, 0.0f,
};
// clang-format on

bool isRough(WeakRockInterface interface)
{
    return interface == WeakRockInterface::RoughClosedJoints ||
           interface == WeakRockInterface::RoughOpenJoints;
}

bool hasOpenJoints(WeakRockInterface interface)
{
    return interface == WeakRockInterface::RoughOpenJoints ||
           interface == WeakRockInterface::SmoothOpenJoints;
}

} // namespace

float concretePressureFactor(float slump_in, float depth_ft)
{
    return clampedLookup2D(kSlump_in, kConcreteDepth_ft, kPressureFactor, slump_in, depth_ft);
}

float weakRockAlpha(float normalStressRatio, float rockStrength_psf)
{
    return clampedLookup2D(kAlphaStrength_psf, kAlphaStressRatio, kAlpha, rockStrength_psf,
                           normalStressRatio);
}

float massModulusRatio(float rqd_percent, bool openJoints)
{
    return clampedLookup(kRqd_percent, openJoints ? kMassModulusOpen : kMassModulusClosed,
                         rqd_percent);
}

float apparentSideReduction(float massModulusRatio)
{
    return clampedLookup(kModulusRatio, kSideReduction, massModulusRatio);
}

float smoothInterfaceN(float modulusToNormalStress, float strengthRatio)
{
    return clampedLookup2D(kNStrengthRatio, kNModulusRatio, kSmoothN, strengthRatio,
                           modulusToNormalStress);
}

WeakRockResult weakRock(const WeakRockInput& input)
{
    WeakRockResult result;
    MethodWarnings& warnings = result.warnings;
    result.tip.limitArea_ft2 = input.shaftBaseArea_ft2;
    const bool rough = isRough(input.interface);

    // Socket geometry.
    const float socketReference_ft = input.referenceLength_ft - input.socketTop_ft; // Ls
    float lu_ft = std::max(input.socketDiameterLayerBottom_ft, input.depth_ft - input.socketTop_ft);
    if (!(lu_ft > 0.0f)) {
        lu_ft = 1.0f;
    }
    const float scale = socketScale(input.stemDiameter_ft, input.initialDiameter_ft, warnings);
    const float b_ft = input.socketDiameter_ft * scale;
    const float wt_ft = 0.05f * b_ft;
    result.socketDiameter_ft = b_ft;
    result.socketLength_ft = lu_ft;

    if (b_ft < 1.64f) {
        warnings.add(MethodWarning::WeakRockSmallDiameter);
    }
    if (!(b_ft > 0.0f)) {
        warnings.add(MethodWarning::ZeroSocketDiameter);
        return result;
    }
    result.socketLengthRatio = socketReference_ft / b_ft;
    result.extendedSocketLengthRatio = (socketReference_ft + 2.0f * input.stemDiameter_ft) / b_ft;
    if (result.socketLengthRatio <= 2.0f) {
        warnings.add(MethodWarning::WeakRockSocketTooShort);
    }
    if (result.extendedSocketLengthRatio > 20.0f) {
        warnings.add(MethodWarning::WeakRockSocketTooLong);
    }

    const float qu_psf = input.rockStrength_psf;
    const float em_tsf = input.averageIntactModulus_tsf *
                         massModulusRatio(input.rqd_percent, hasOpenJoints(input.interface));
    result.rockMassModulus_tsf = em_tsf;
    const bool moduliKnown = em_tsf > 0.0f && input.concreteModulus_tsf > 0.0f;
    if (moduliKnown) {
        result.modulusRatio = input.concreteModulus_tsf / em_tsf;
        if (result.modulusRatio < 10.0f || result.modulusRatio > 500.0f) {
            warnings.add(MethodWarning::WeakRockModulusRatio);
        }
    } else {
        warnings.add(MethodWarning::ZeroRockModulus);
    }
    if (!(qu_psf > 0.0f)) {
        warnings.add(MethodWarning::ZeroRockStrength);
        return result;
    }

    // Lateral pressure of the fluid concrete at the socket.
    const float concreteDepth_ft =
        std::min(40.0f, 0.5f * (input.referenceLength_ft + input.socketTop_ft));
    const float sigmaN_psf = kFreshConcreteUnitWeight_pcf * concreteDepth_ft *
                             concretePressureFactor(input.slump_in, concreteDepth_ft);
    result.normalStress_psf = sigmaN_psf;

    // Apparent unit side resistance, reduced for the rock mass.
    float fa_psf = 0.5f * qu_psf;
    if (!rough) {
        result.alpha = weakRockAlpha(sigmaN_psf / kAtmosphericPressure_psf, qu_psf);
        fa_psf =
            result.alpha * qu_psf * std::tan(radians(input.interfaceFrictionAngle_deg)) / kTan30;
    }
    const float modulusRatioEmEi =
        massModulusRatio(input.rqd_percent, hasOpenJoints(input.interface));
    fa_psf *= apparentSideReduction(modulusRatioEmEi);
    result.apparentSide_psf = fa_psf;
    const float ePrime_psf = kPoundsPerTon * em_tsf;

    if (rough) {
        result.n = sigmaN_psf / qu_psf;
    } else {
        const float modulusToStress =
            sigmaN_psf > 0.0f ? ePrime_psf / sigmaN_psf : kNModulusRatio.back();
        result.n = smoothInterfaceN(modulusToStress, qu_psf / kAtmosphericPressure_psf);
    }

    // Socket shape factors.
    bool factorsValid = moduliKnown;
    const float u = std::sqrt(lu_ft / b_ft);
    float omega = 0.0f;
    float gamma = 0.0f;
    if (moduliKnown) {
        const float g = std::log10(input.concreteModulus_tsf / em_tsf);
        omega = 1.14f * u - 0.44f - 0.05f * (u - 1.0f) * g;
        gamma = 0.37f * u + 0.13f - 0.15f * (u - 1.0f) * g;
        if (!(gamma > 0.0f)) {
            warnings.add(MethodWarning::WeakRockFactorsOutOfRange);
            factorsValid = false;
        }
    }

    // Side.
    float s_psf = fa_psf;
    if (rough) {
        s_psf = 0.0f;
        const float denominator = std::numbers::pi_v<float> * lu_ft * fa_psf * gamma;
        if (factorsValid && denominator > 0.0f) {
            const float theta = ePrime_psf * omega * wt_ft / denominator;
            const float n = result.n;
            float kf = theta;
            if (n < theta) {
                const float kfDenominator = 1.0f - 2.0f * n + theta;
                if (kfDenominator > 1.0e-6f) {
                    kf = n + (theta - n) * (1.0f - n) / kfDenominator;
                } else {
                    warnings.add(MethodWarning::WeakRockFactorsOutOfRange);
                    kf = 0.0f;
                }
            }
            result.kf = kf;
            s_psf = kf * fa_psf;
        }
    }
    if (!std::isfinite(s_psf)) {
        warnings.add(MethodWarning::WeakRockFactorsOutOfRange);
        s_psf = 0.0f;
    }
    result.side.interfaceStrength_psf = s_psf;
    result.side.coefficient = 1.0f;
    result.side.unitSide_tsf =
        finishUnitSide_tsf(s_psf / kPoundsPerTon, input.maxLoadTransfer_tsf, warnings);

    // Tip.
    if (factorsValid) {
        const float slenderness = lu_ft / b_ft;
        const float influenceBase =
            (slenderness + 1.0f) * 200.0f * (u - omega) / (lu_ft * 957.5597f * gamma);
        float q_psf = 0.0f;
        if (influenceBase > 0.0f && std::isfinite(influenceBase)) {
            const float ib = std::pow(influenceBase, 0.67f);
            q_psf = 20.88f * std::pow(304.8f * wt_ft, 0.67f) * 2.0f * em_tsf * 0.64159197f *
                    slenderness * ib / (slenderness + 1.0f);
        } else {
            warnings.add(MethodWarning::WeakRockFactorsOutOfRange);
        }
        const float unit_psf = std::min(2.5f * qu_psf, q_psf);
        result.tip.unitTip_tsf = unit_psf / kPoundsPerTon;
        result.tip.tip_tons = kQuarterPi * b_ft * b_ft * unit_psf / kPoundsPerTon;
        if (!std::isfinite(result.tip.tip_tons)) {
            warnings.add(MethodWarning::WeakRockFactorsOutOfRange);
            result.tip.tip_tons = 0.0f;
            result.tip.unitTip_tsf = 0.0f;
        }
    }
    return result;
}

} // namespace korva::methods
