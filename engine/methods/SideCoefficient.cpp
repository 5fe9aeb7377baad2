#include "engine/methods/SideCoefficient.h"

#include <algorithm>

#include "engine/methods/ClaySideResistance.h"

namespace korva::methods {

bool sideCoefficientIsEstimated(MaterialKind kind, float coefficientTop, float coefficientBottom)
{
    if (!isSoil(kind)) {
        return false;
    }
    return coefficientTop == 0.0f && coefficientBottom == 0.0f;
}

float estimatedSideCoefficient(MaterialKind kind, SandProcedure procedure, float depth_ft,
                               float blowCount, float cu_psf)
{
    switch (kind) {
    case MaterialKind::Sand:
        if (procedure == SandProcedure::Beta) {
            return estimatedSandBeta(depth_ft, blowCount);
        }
        return kMinimumEstimatedCoefficient;
    case MaterialKind::GravellySand:
        return estimatedGravellySandBeta(depth_ft);
    case MaterialKind::Gravel:
        return estimatedGravelBeta(depth_ft);
    case MaterialKind::Clay:
    case MaterialKind::ClayShale:
        return estimatedAlpha(cu_psf);
    default:
        return 0.0f;
    }
}

float sliceSideCoefficient(MaterialKind kind, SandProcedure procedure, bool estimated,
                           float interpolatedCoefficient, float depth_ft, float blowCount)
{
    if (!estimated) {
        return interpolatedCoefficient;
    }
    switch (kind) {
    case MaterialKind::GravellySand:
        return estimatedGravellySandBeta(depth_ft);
    case MaterialKind::Gravel:
        return estimatedGravelBeta(depth_ft);
    case MaterialKind::Sand:
        if (procedure == SandProcedure::Beta) {
            return estimatedSandBeta(depth_ft, blowCount);
        }
        [[fallthrough]];
    default:
        return std::clamp(interpolatedCoefficient, kMinimumEstimatedCoefficient,
                          kMaximumEstimatedCoefficient);
    }
}

} // namespace korva::methods
