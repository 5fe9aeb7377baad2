#include "engine/methods/SideResistanceCommon.h"

#include <numbers>

namespace korva::methods {

float upliftInterfaceStrength_psf(float interfaceStrength_psf, const SideLoading& loading)
{
    if (!loading.uplift) {
        return interfaceStrength_psf;
    }
    float s_psf = interfaceStrength_psf * loading.upliftFactor;
    if (loading.baseToStemRatio > 1.0f) {
        s_psf *= loading.baseToStemRatio;
    }
    return s_psf;
}

float capByMaximumLoadTransfer_tsf(float unitSide_tsf, float maxLoadTransfer_tsf)
{
    if (maxLoadTransfer_tsf > 5.0e-8f && unitSide_tsf > maxLoadTransfer_tsf) {
        return maxLoadTransfer_tsf;
    }
    return unitSide_tsf;
}

float finishUnitSide_tsf(float unitSide_tsf, float maxLoadTransfer_tsf, MethodWarnings& warnings)
{
    float f_tsf = unitSide_tsf;
    if (f_tsf < 0.0f) {
        warnings.add(MethodWarning::NegativeResistanceSetToZero);
        f_tsf = 0.0f;
    }
    return capByMaximumLoadTransfer_tsf(f_tsf, maxLoadTransfer_tsf);
}

float slicePerimeter_ft(MaterialKind kind, float stemDiameter_ft, float socketDiameter_ft,
                        float diameterRatio)
{
    const float stemPerimeter_ft = std::numbers::pi_v<float> * stemDiameter_ft;
    if (isSoil(kind)) {
        return stemPerimeter_ft;
    }
    const float socket_ft = socketDiameter_ft * diameterRatio;
    if (socket_ft < 0.001f) {
        return stemPerimeter_ft;
    }
    return std::numbers::pi_v<float> * socket_ft;
}

float socketScale(float stemDiameter_ft, float initialDiameter_ft, MethodWarnings& warnings)
{
    if (!(initialDiameter_ft > 0.0f)) {
        warnings.add(MethodWarning::ZeroInitialDiameter);
        return 1.0f;
    }
    return stemDiameter_ft / initialDiameter_ft;
}

} // namespace korva::methods
