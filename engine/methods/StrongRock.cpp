#include "engine/methods/StrongRock.h"

#include <algorithm>
#include <cmath>

namespace korva::methods {

SideResult strongRockUnitSide(const StrongRockInput& input)
{
    SideResult result;
    const float qPrime_psf = std::min(input.rockStrength_psf, input.concreteStrength_psf);
    if (input.kind == MaterialKind::StrongRockSideOrBase && !input.uplift &&
        qPrime_psf > kStrongRockEndBearingStrength_psf) {
        // The load goes to end bearing.
        return result;
    }
    float s_psf = qPrime_psf;
    float coefficient = 0.15f;
    if (qPrime_psf > kStrongRockSquareRootRule_psf) {
        // 2.5 sqrt(q') with q' in lb/in2, expressed in psf.
        s_psf = 144.0f * std::sqrt(qPrime_psf / 144.0f);
        coefficient = 2.5f;
    }
    result.interfaceStrength_psf = s_psf;
    result.coefficient = coefficient;
    result.unitSide_tsf = finishUnitSide_tsf(coefficient * s_psf / kPoundsPerTon,
                                             input.maxLoadTransfer_tsf, result.warnings);
    return result;
}

TipResult strongRockTip(const StrongRockInput& input)
{
    TipResult result;
    const float scale =
        socketScale(input.stemDiameter_ft, input.initialDiameter_ft, result.warnings);
    const float b_ft = input.socketDiameter_ft * scale;
    const float qPrime_psf = std::min(input.rockStrength_psf, input.concreteStrength_psf);
    if (input.kind == MaterialKind::StrongRockSideOrBase &&
        qPrime_psf <= kStrongRockEndBearingStrength_psf) {
        // The load goes to side resistance.
        result.warnings.add(MethodWarning::StrongRockBaseCarriesNoLoad);
        result.limitArea_ft2 = b_ft > 0.0f ? baseArea_ft2(b_ft) : 0.0f;
        return result;
    }
    if (!(b_ft > 0.0f)) {
        result.warnings.add(MethodWarning::ZeroSocketDiameter);
        return result;
    }
    result.limitArea_ft2 = baseArea_ft2(b_ft);

    const float spacing_ft = input.discontinuitySpacing_ft;
    const float thickness_ft = std::max(input.discontinuityThickness_ft, 0.0f);
    float ksp = 0.0f;
    if (spacing_ft > 0.0f) {
        ksp = (3.0f + spacing_ft / b_ft) /
              (10.0f * std::sqrt(1.0f + 300.0f * thickness_ft / spacing_ft));
    } else {
        result.warnings.add(MethodWarning::ZeroDiscontinuitySpacing);
        ksp = thickness_ft > 0.0f ? 0.0f : 0.3f;
    }
    result.unitTip_tsf = 3.0f * input.rockStrength_psf * ksp / kPoundsPerTon;
    float tip_tons = 2.3562f * input.rockStrength_psf * b_ft * b_ft * ksp / kPoundsPerTon;
    if (tip_tons < 0.0f) {
        result.warnings.add(MethodWarning::NegativeResistanceSetToZero);
        tip_tons = 0.0f;
    }
    result.tip_tons = tip_tons;
    return result;
}

} // namespace korva::methods
