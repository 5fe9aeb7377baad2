#include "engine/methods/DecomposedRock.h"

#include <algorithm>
#include <cmath>

#include "engine/methods/PhysicalConstants.h"
#include "engine/methods/SandSideResistance.h"

namespace korva::methods {

DecomposedRockResult decomposedRock(const DecomposedRockInput& input)
{
    DecomposedRockResult result;
    MethodWarnings warnings;
    if (unitWeightMissing(input.gamma_pcf)) {
        warnings.add(MethodWarning::UnitWeightMissing);
    }
    const float scale = socketScale(input.stemDiameter_ft, input.initialDiameter_ft, warnings);
    const float b_ft = input.socketDiameter_ft * scale;
    const float sigma_psf = input.depth_ft < input.referenceLength_ft + 2.0f * b_ft
                                ? input.sigmaVSlice_psf
                                : input.sigmaVLayerMid_psf;
    result.sigma_v_psf = sigma_psf;
    result.tip.limitArea_ft2 = input.shaftBaseArea_ft2;

    const float bt_ft = b_ft < 0.001f ? input.initialDiameter_ft : b_ft;
    if (!(bt_ft > 0.0f)) {
        warnings.add(MethodWarning::ZeroBaseDiameter);
    }
    if (!(sigma_psf > 0.0f)) {
        // Both resistances vanish as sigma'v tends to zero; t would divide by it.
        warnings.add(MethodWarning::NonPositiveEffectiveStress);
        result.warnings = warnings;
        return result;
    }

    const float n = std::max(input.blowCount, 0.0f);
    const float phi_rad =
        std::atan(std::pow(n / (12.2f + 20.3f * sigma_psf / kAtmosphericPressure_psf), 0.34f));
    const float sinPhi = std::sin(phi_rad);
    const float t = 423.14f * n / sigma_psf;
    const float ko = (1.0f - sinPhi) * std::pow(t, sinPhi);
    const float s_psf = ko * std::tan(0.75f * phi_rad) * sigma_psf;
    result.frictionAngle_deg = phi_rad * 57.29578f;

    result.side.coefficient = ko;
    result.side.interfaceStrength_psf = s_psf;
    result.side.unitSide_tsf =
        finishUnitSide_tsf(s_psf / kPoundsPerTon, input.maxLoadTransfer_tsf, warnings);

    if (bt_ft > 0.0f) {
        const float stressTerm_psf = sigma_psf * std::pow(t, 0.8f);
        result.tip.unitTip_tsf = 2.1459f * stressTerm_psf / kPoundsPerTon;
        result.tip.tip_tons = 1.6853898f * stressTerm_psf * bt_ft * bt_ft / kPoundsPerTon;
    }
    result.warnings = warnings;
    return result;
}

} // namespace korva::methods
