#include "engine/deck/CoefficientEstimates.h"

#include <algorithm>
#include <vector>

#include "engine/methods/EffectiveStress.h"
#include "engine/methods/FrictionAngleFromBlowCount.h"
#include "engine/methods/SideCoefficient.h"

namespace korva {

float estimatedClayNc(float depth_ft, float initialDiameter_ft)
{
    if (!(initialDiameter_ft > 0.0f))
        return 9.0f;
    return std::min(9.0f, 6.0f * (1.0f + 0.2f * depth_ft / initialDiameter_ft));
}

namespace {

// The coefficient a layer enters: Ko, beta or m of sand, alpha of clay and shale, beta of the
// gravels.
TopBottom enteredCoefficient(const SoilLayer& layer)
{
    switch (layer.kindCode()) {
    case MaterialKind::Sand:
        return layer.coefficient;
    case MaterialKind::Clay:
    case MaterialKind::ClayShale:
        return layer.alpha;
    case MaterialKind::GravellySand:
    case MaterialKind::Gravel:
        return layer.beta;
    default:
        return {};
    }
}

} // namespace

LayerEstimates estimateLayerCoefficients(const InputDeck& deck)
{
    const int count = std::clamp(deck.NL, 0, kMaxLayers);
    std::vector<methods::UnitWeightLayer> weights;
    for (int i = 0; i < count; ++i) {
        const SoilLayer& layer = deck.layers[i];
        weights.push_back({layer.bottomDepth, layer.GAMMA.top, layer.GAMMA.bottom});
    }
    LayerEstimates estimates(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const SoilLayer& layer = deck.layers[i];
        LayerEstimate& e = estimates[i];
        const MaterialKind kind = layer.kindCode();
        e.coefficient = enteredCoefficient(layer);
        e.nc = layer.clayNc;
        e.phi = layer.sandPhi;
        methods::MaterialKind methodKind{};
        if (!methods::materialKindFromCode(layer.kind, methodKind))
            continue;
        const methods::SandProcedure procedure = layer.sandProcedure();
        if (methods::sideCoefficientIsEstimated(methodKind, e.coefficient.top,
                                                e.coefficient.bottom)) {
            e.coefficientEstimated = true;
            e.coefficient.top = methods::estimatedSideCoefficient(
                methodKind, procedure, layer.topDepth, layer.BLOWS.top, layer.CU.top);
            e.coefficient.bottom = methods::estimatedSideCoefficient(
                methodKind, procedure, layer.bottomDepth, layer.BLOWS.bottom, layer.CU.bottom);
        }
        if ((kind == MaterialKind::Clay || kind == MaterialKind::ClayShale) && e.nc.top == 0.0f &&
            e.nc.bottom == 0.0f) {
            e.ncEstimated = true;
            e.nc.top = estimatedClayNc(layer.topDepth, deck.DSTART);
            e.nc.bottom = estimatedClayNc(layer.bottomDepth, deck.DSTART);
        }
        if (kind == MaterialKind::Sand) {
            // A friction angle left at 0 is shown as the one the side and tip rules take from N.
            auto fromBlowCount = [&](float& phi, float blowCount, float depth_ft) {
                if (phi != 0.0f || !(blowCount > 0.0f))
                    return;
                const float sigma =
                    methods::effectiveVerticalStress_psf(weights, depth_ft, deck.WTD);
                phi = methods::frictionAngleFromBlowCount_deg(blowCount, sigma);
                e.phiEstimated = true;
            };
            e.blowCountAndFrictionAngleMissing =
                (layer.BLOWS.top == 0.0f && layer.sandPhi.top == 0.0f) ||
                (layer.BLOWS.bottom == 0.0f && layer.sandPhi.bottom == 0.0f);
            fromBlowCount(e.phi.top, layer.BLOWS.top, layer.topDepth);
            fromBlowCount(e.phi.bottom, layer.BLOWS.bottom, layer.bottomDepth);
        }
    }
    return estimates;
}

} // namespace korva
