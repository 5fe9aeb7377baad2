#include "engine/methods/SoilTipResistance.h"

#include <algorithm>
#include <cmath>

namespace korva::methods {
namespace {

constexpr float kMaximumUnitTipSand_tsf = 30.0f;
constexpr float kMaximumUnitTipClay_tsf = 40.0f;
constexpr float kTipWithoutStrength_tons = 0.00001f;

float sandUnitTipFromFrictionAngle_tsf(float frictionAngle_deg)
{
    if (frictionAngle_deg <= 36.0f) {
        return 2.667f * (frictionAngle_deg - 30.0f);
    }
    if (frictionAngle_deg <= 41.0f) {
        return 16.0f + 2.8f * (frictionAngle_deg - 36.0f);
    }
    return kMaximumUnitTipSand_tsf;
}

} // namespace

TipResult sandFamilyTip(const SandTipInput& input)
{
    TipResult result;
    const float db_ft = input.baseDiameter_ft;
    if (!(db_ft > 0.0f)) {
        result.warnings.add(MethodWarning::ZeroBaseDiameter);
        return result;
    }
    const float area_ft2 = baseArea_ft2(db_ft);
    result.limitArea_ft2 = area_ft2;

    float tip_tons = 0.0f;
    if (input.blowCount != 0.0f) {
        const float n = std::max(input.blowCount, 0.0f);
        const float q_tsf =
            n >= 50.0f ? kMaximumUnitTipSand_tsf : std::min(kMaximumUnitTipSand_tsf, 0.6f * n);
        result.unitTip_tsf = q_tsf;
        tip_tons = q_tsf * area_ft2;
    } else if (input.frictionAngle_deg <= 30.0f) {
        tip_tons = kTipWithoutStrength_tons;
    } else {
        const float q_tsf = sandUnitTipFromFrictionAngle_tsf(input.frictionAngle_deg);
        result.unitTip_tsf = q_tsf;
        tip_tons = q_tsf * area_ft2;
    }

    const bool fromStrength = !(input.blowCount == 0.0f && input.frictionAngle_deg <= 30.0f);
    if (input.reduceNearSurfaceAndLargeBase) {
        // Large bases mobilise less unit resistance at the working settlement.
        if (fromStrength && db_ft > 4.17f) {
            tip_tons = tip_tons * 50.0f / (12.0f * db_ft);
        }
        // Near the surface the tip grows linearly to its full value at ten base diameters.
        if (10.0f * db_ft > input.depth_ft) {
            tip_tons = tip_tons * std::max(input.depth_ft, 0.0f) / (10.0f * db_ft);
        }
    }
    result.tip_tons = tip_tons;
    return result;
}

float fhwaBearingFactor(float cu_psf, float depth_ft, float baseDiameter_ft)
{
    float ncStar = 9.0f;
    if (cu_psf <= 500.0f) {
        ncStar = 6.5f;
    } else if (cu_psf <= 1000.0f) {
        ncStar = 6.5f + 1.5f * (cu_psf - 500.0f) / 500.0f;
    } else if (cu_psf < 2000.0f) {
        ncStar = 8.0f + (cu_psf - 1000.0f) / 1000.0f;
    }
    if (!(baseDiameter_ft > 0.0f)) {
        return ncStar;
    }
    const float r = depth_ft / baseDiameter_ft;
    if (r >= 3.0f) {
        return ncStar;
    }
    return (2.0f / 3.0f) * (1.0f + r / 6.0f) * ncStar;
}

TipResult clayFamilyTip(const ClayTipInput& input)
{
    TipResult result;
    const float cu_tsf =
        input.layerHasUndrainedStrength ? input.cu_psf / kPoundsPerTon : input.blowCount / 10.0f;
    const float db_ft = input.baseDiameter_ft;
    result.fhwaBearingFactorNc = fhwaBearingFactor(cu_tsf * kPoundsPerTon, input.depth_ft, db_ft);

    float nc = input.bearingFactorNc;
    if (input.bearingFactorEstimated) {
        if (input.initialDiameter_ft > 0.0f) {
            nc = std::min(9.0f, 6.0f * (1.0f + 0.2f * input.depth_ft / input.initialDiameter_ft));
        } else {
            // The estimate tends to its limit 9 as the shaft diameter tends to zero.
            result.warnings.add(MethodWarning::ZeroInitialDiameter);
            nc = 9.0f;
        }
    }
    if (nc <= 1.0e-9f) {
        nc = result.fhwaBearingFactorNc;
    }
    result.bearingFactorNc = nc;

    if (!(db_ft > 0.0f)) {
        result.warnings.add(MethodWarning::ZeroBaseDiameter);
        return result;
    }
    const float area_ft2 = baseArea_ft2(db_ft);
    result.limitArea_ft2 = area_ft2;

    float reduction = 1.0f;
    if (db_ft > 6.25f) {
        const float a = std::min(0.015f, 0.0071f + 0.0021f * input.depth_ft / db_ft);
        const float b =
            std::min(1.5f, std::max(0.5f, 0.45f * std::sqrt(std::max(2.0f * cu_tsf, 0.0f))));
        reduction = std::min(1.0f, 2.5f / (12.0f * a * db_ft + 2.5f * b));
    }

    const float q_tsf = nc * cu_tsf;
    result.unitTip_tsf = q_tsf;
    const float limited_tsf =
        input.kind == MaterialKind::Clay ? std::min(kMaximumUnitTipClay_tsf, q_tsf) : q_tsf;
    float tip_tons = limited_tsf * area_ft2 * reduction;
    if (tip_tons < 0.0f) {
        result.warnings.add(MethodWarning::NegativeResistanceSetToZero);
        tip_tons = 0.0f;
    }
    result.tip_tons = tip_tons;
    return result;
}

} // namespace korva::methods
