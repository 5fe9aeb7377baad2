#include "engine/methods/SandSideResistance.h"

#include <algorithm>
#include <cmath>

#include "engine/methods/AngleUnits.h"
#include "engine/methods/EffectiveStress.h"
#include "engine/methods/FrictionAngleFromBlowCount.h"
#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {
namespace {

// 0.47 x pa (pa = 2115.7 psf): the preconsolidation stress per unit N^M.
constexpr float kPreconsolidationPerBlow_psf = 994.37897f;

SideResult betaUnitSide(const GravelSideInput& input, const SideLoading& loading, bool limited)
{
    SideResult result;
    result.coefficient = input.beta;
    if (unitWeightMissing(input.gamma_pcf)) {
        result.warnings.add(MethodWarning::UnitWeightMissing);
    }
    if (!(input.beta > 0.0f)) {
        return result;
    }
    const float sigmaMid_psf = midSliceEffectiveStress_psf(
        input.sigma_v_psf, input.gamma_pcf, input.depth_ft, input.waterTableDepth_ft, loading);
    result.interfaceStrength_psf = sigmaMid_psf;
    float f_tsf = input.beta * sigmaMid_psf / kPoundsPerTon;
    if (limited) {
        f_tsf = std::min(f_tsf, kSandBetaUnitSideLimit_tsf);
    }
    result.unitSide_tsf = finishUnitSide_tsf(f_tsf, input.maxLoadTransfer_tsf, result.warnings);
    return result;
}

} // namespace

float estimatedSandBeta(float depth_ft, float blowCount)
{
    float beta = 1.5f - 0.135f * std::sqrt(std::max(depth_ft, 0.0f));
    if (blowCount > 0.0f && blowCount < 15.0f) {
        beta = beta * blowCount / 15.0f;
    }
    return std::clamp(beta, kMinimumEstimatedCoefficient, kMaximumEstimatedCoefficient);
}

float estimatedGravellySandBeta(float depth_ft)
{
    const float beta = 2.0f - 0.15f * std::pow(kMetresPerFoot * std::max(depth_ft, 0.0f), 0.75f);
    return std::clamp(beta, kMinimumEstimatedCoefficient, 1.8f);
}

float estimatedGravelBeta(float depth_ft)
{
    // 3.4 e^(-0.085 z) with z in m.
    const float beta = 3.4f * std::exp(-0.025908f * depth_ft);
    return std::clamp(beta, kMinimumEstimatedCoefficient, 3.0f);
}

float overconsolidationRatio(float blowCount, float exponentM, float sigma_v_psf)
{
    if (sigma_v_psf < 1.0e-10f) {
        return 1.0f;
    }
    const float ocr =
        std::pow(std::max(blowCount, 0.0f), exponentM) * kPreconsolidationPerBlow_psf / sigma_v_psf;
    return std::isfinite(ocr) ? std::max(ocr, 1.0f) : 1.0f;
}

SandAngles sandFrictionAngles(float frictionAngle_deg, float interfaceAngle_deg, float blowCount,
                              float sigma_v_psf)
{
    SandAngles angles{frictionAngle_deg, interfaceAngle_deg};
    if (frictionAngle_deg == 0.0f) {
        angles.friction_deg = frictionAngleFromBlowCount_deg(blowCount, sigma_v_psf);
        angles.interface_deg = angles.friction_deg;
    } else if (interfaceAngle_deg == 0.0f) {
        angles.interface_deg = frictionAngle_deg;
    }
    return angles;
}

float midSliceEffectiveStress_psf(float sigma_v_psf, float gamma_pcf, float depth_ft,
                                  float waterTableDepth_ft, const SideLoading& loading)
{
    const float effectiveGamma_pcf =
        depth_ft > waterTableDepth_ft ? gamma_pcf - kUnitWeightOfWater_pcf : gamma_pcf;
    float sigmaMid_psf = sigma_v_psf - 0.5f * effectiveGamma_pcf;
    if (loading.uplift) {
        sigmaMid_psf *= loading.upliftFactor;
    }
    return sigmaMid_psf;
}

SideResult sandUnitSide(const SandSideInput& input, const SideLoading& loading)
{
    SideResult result;
    if (unitWeightMissing(input.gamma_pcf)) {
        result.warnings.add(MethodWarning::UnitWeightMissing);
    }
    if (input.blowCount == 0.0f && input.frictionAngle_deg == 0.0f) {
        result.warnings.add(MethodWarning::SandWithoutBlowCountOrFrictionAngle);
    }

    if (input.procedure == SandProcedure::Beta) {
        const GravelSideInput beta{input.coefficient,        input.depth_ft,
                                   input.sigma_v_psf,        input.gamma_pcf,
                                   input.waterTableDepth_ft, input.maxLoadTransfer_tsf};
        SideResult betaResult = betaUnitSide(beta, loading, true);
        betaResult.warnings.add(result.warnings);
        return betaResult;
    }

    result.coefficient = input.coefficient;
    if (!(input.coefficient > 0.0f)) {
        return result;
    }
    const SandAngles angles = sandFrictionAngles(input.frictionAngle_deg, input.interfaceAngle_deg,
                                                 input.blowCount, input.sigma_v_psf);
    const float s_psf = upliftInterfaceStrength_psf(
        input.sigma_v_psf * std::tan(radians(angles.interface_deg)) + input.cohesion_psf, loading);
    result.interfaceStrength_psf = s_psf;

    float f_tsf = 0.0f;
    if (input.procedure == SandProcedure::KulhawyChen) {
        const float ocr =
            overconsolidationRatio(input.blowCount, input.coefficient, input.sigma_v_psf);
        const float sinPhi = std::sin(radians(angles.friction_deg));
        const float tanPassive = std::tan(radians(45.0f + 0.5f * angles.friction_deg));
        const float passive = tanPassive * tanPassive;
        const float k = std::min(passive, (1.0f - sinPhi) * std::pow(ocr, sinPhi));
        result.overconsolidationRatio = ocr;
        result.coefficient = k;
        f_tsf = k * s_psf / kPoundsPerTon;
    } else {
        f_tsf = input.coefficient * s_psf / kPoundsPerTon;
    }
    result.unitSide_tsf = finishUnitSide_tsf(f_tsf, input.maxLoadTransfer_tsf, result.warnings);
    return result;
}

SideResult gravellySandUnitSide(const GravelSideInput& input, const SideLoading& loading)
{
    return betaUnitSide(input, loading, true);
}

SideResult gravelUnitSide(const GravelSideInput& input, const SideLoading& loading)
{
    return betaUnitSide(input, loading, false);
}

} // namespace korva::methods
