#include "engine/methods/ClaySideResistance.h"

#include "engine/methods/SandSideResistance.h"

namespace korva::methods {
namespace {

constexpr float kMinimumUndrainedStrength_psf = 0.00001f;

} // namespace

float estimatedAlpha(float cu_psf)
{
    const float r = cu_psf / kAtmosphericPressureClay_psf;
    if (r <= 1.5f) {
        return 0.55f;
    }
    if (r < 2.5f) {
        return 0.55f - 0.1f * (r - 1.5f);
    }
    return 0.4f;
}

bool clayStrengthMayBeTooHigh(float cu_psf)
{
    return cu_psf / kAtmosphericPressureClay_psf >= 2.5f;
}

SideResult clayUnitSide(const ClaySideInput& input, const SideLoading& loading)
{
    SideResult result;
    result.coefficient = input.alpha;
    if (unitWeightMissing(input.gamma_pcf)) {
        result.warnings.add(MethodWarning::UnitWeightMissing);
    }
    float s_psf = input.cu_psf;
    if (input.cu_psf < kMinimumUndrainedStrength_psf) {
        if (input.kind == MaterialKind::ClayShale) {
            s_psf = clayShaleStrengthFromBlowCount_psf(input.blowCount);
        } else {
            s_psf = clayStrengthFromBlowCount_psf(input.blowCount);
            result.warnings.add(MethodWarning::ClayStrengthFromBlowCount);
        }
    }
    if (!(input.alpha > 0.0f)) {
        return result;
    }
    s_psf = upliftInterfaceStrength_psf(s_psf, loading);
    result.interfaceStrength_psf = s_psf;
    result.unitSide_tsf = finishUnitSide_tsf(input.alpha * s_psf / kPoundsPerTon,
                                             input.maxLoadTransfer_tsf, result.warnings);
    return result;
}

} // namespace korva::methods
