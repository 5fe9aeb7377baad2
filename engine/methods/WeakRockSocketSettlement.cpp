#include "engine/methods/WeakRockSocketSettlement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {
namespace {

// Fluid concrete pressure grows with depth down to this depth only.
constexpr float kMaxFluidConcreteDepth_ft = 40.0f;

bool positive(float value)
{
    return value > 0.0f && std::isfinite(value);
}

bool rough(WeakRockInterface interface)
{
    return interface == WeakRockInterface::RoughClosedJoints ||
           interface == WeakRockInterface::RoughOpenJoints;
}

bool openJoints(WeakRockInterface interface)
{
    return interface == WeakRockInterface::RoughOpenJoints ||
           interface == WeakRockInterface::SmoothOpenJoints;
}

WeakRockSocketResult failed(SocketCode code, WeakRockSocketResult result)
{
    result.curve = SocketCurve{};
    result.curve.code = code;
    return result;
}

} // namespace

float weakRockMovementFactor(int point)
{
    switch (point) {
    case 13:
        return 0.0125f;
    case 14:
        return 0.025f;
    case 15:
        return 0.05f;
    default:
        return 0.00009f * std::pow(1.5f, static_cast<float>(point - 1));
    }
}

WeakRockSocketResult weakRockSocketCurve(const WeakRockSocketCase& socket)
{
    WeakRockSocketResult result;
    result.modulusAverage = socket.modulusAverage;
    if (!positive(socket.stemDiameter_ft) || !positive(socket.firstDiameter_ft)) {
        return failed(SocketCode::ZeroSocketDiameter, result);
    }
    if (!positive(socket.concreteModulus_tsf)) {
        return failed(SocketCode::ZeroModulus, result);
    }
    const float l = socket.referenceLength_ft;

    // Socket length: the socket diameter of the layer reaching below L, or the depth of L into
    // the first weak or strong rock layer, whichever is larger; 1 ft when that is negative.
    const float layerTerm =
        socket.hasLayerBelowReference ? socket.socketDiameterAtThatLayerBottom_ft : 0.0f;
    float lu = std::max(layerTerm, l - socket.socketTop_ft);
    if (lu < 0.0f) {
        lu = 1.0f;
    }
    result.socketLength_ft = lu;

    // Tip-layer values at the depth of L inside the tip layer.
    const float thickness = socket.tipLayerBottom_ft - socket.tipLayerTop_ft;
    const float fraction = thickness > 0.0f ? (l - socket.tipLayerTop_ft) / thickness : 0.0f;
    const auto at = [fraction](float top, float bottom) { return top + (bottom - top) * fraction; };
    const float slump = at(socket.slumpTop_in, socket.slumpBottom_in);
    const float rqd = at(socket.rqdTop_pct, socket.rqdBottom_pct);
    const float qu = at(socket.rockStrengthTop_psf, socket.rockStrengthBottom_psf);
    const float phi = at(socket.interfaceFrictionTop_deg, socket.interfaceFrictionBottom_deg);
    const float ei = at(socket.intactModulusTop_tsf, socket.intactModulusBottom_tsf);
    const float b = at(socket.socketDiameterTop_ft, socket.socketDiameterBottom_ft) *
                    socket.stemDiameter_ft / socket.firstDiameter_ft;
    result.socketDiameter_ft = b;
    if (!positive(b)) {
        return failed(SocketCode::ZeroSocketDiameter, result);
    }
    if (!positive(lu)) {
        return failed(SocketCode::ZeroSocketLength, result);
    }
    if (!positive(qu)) {
        return failed(SocketCode::ZeroStrength, result);
    }

    const bool isRough = rough(socket.interface);
    const float zc = std::min(kMaxFluidConcreteDepth_ft, l - lu / 2.0f);
    const float sigmaN = kFreshConcreteUnitWeight_pcf * zc * concretePressureFactor(slump, zc);
    if (!positive(sigmaN)) {
        return failed(SocketCode::OutOfRange, result);
    }
    const float alpha = weakRockAlpha(sigmaN / kAtmosphericPressure_psf, qu);
    const float phiRad = phi * std::numbers::pi_v<float> / 180.0f;
    float fa = isRough ? 0.5f * qu : alpha * qu * std::tan(phiRad) / kTan30;
    const float modulusRatio = massModulusRatio(rqd, openJoints(socket.interface));
    fa *= apparentSideReduction(modulusRatio);

    const float upperShaft_ft = std::max(0.0f, l - lu);
    const float concrete_psi = socket.concreteModulus_tsf * kPoundsPerTon / 144.0f;
    const float slenderness = lu / b;
    const float u = std::sqrt(slenderness);

    for (int k = 1; k <= kSocketPointCount; ++k) {
        result.modulusAverage.add(ei);
        const float em = result.modulusAverage.mean_tsf() * modulusRatio;
        if (!positive(em)) {
            return failed(SocketCode::ZeroModulus, result);
        }
        const float ePrime = kPoundsPerTon * em;
        const float wt = weakRockMovementFactor(k) * b;
        const float n = isRough ? sigmaN / qu
                                : smoothInterfaceN(ePrime / sigmaN, qu / kAtmosphericPressure_psf);

        const float g = std::log10(socket.concreteModulus_tsf / em);
        const float omega = 1.14f * u - 0.44f - 0.05f * (u - 1.0f) * g;
        const float gamma = 0.37f * u + 0.13f - 0.15f * (u - 1.0f) * g;
        if (!positive(gamma)) {
            return failed(SocketCode::OutOfRange, result);
        }
        // Mobilised side stress; an interface without strength carries none.
        float fs = 0.0f;
        if (fa > 0.0f) {
            const float theta = ePrime * omega * wt / (fa * kPi * lu * gamma);
            if (theta <= n) {
                fs = fa * theta;
            } else {
                const float denominator = 1.0f - 2.0f * n + theta;
                if (!positive(denominator)) {
                    return failed(SocketCode::OutOfRange, result);
                }
                fs = fa * (n + (theta - n) * (1.0f - n) / denominator);
            }
            fs = std::max(0.0f, fs);
        }

        // Base stiffness; a socket long enough to make the influence bracket negative passes
        // nothing to its base.
        float c = 0.0f;
        const float bracket =
            (slenderness + 1.0f) * 200.0f * (u - omega) / (gamma * 957.5597f * lu);
        if (bracket > 0.0f) {
            const float ib = std::pow(bracket, 0.67f);
            c = 2.0f * em * 0.64159197f * slenderness * ib / (slenderness + 1.0f);
        }
        const float q = 20.88f * std::pow(304.8f * wt, 0.67f) * c;
        const float qb = std::min(2.5f * qu, q);
        const float baseLoad = kQuarterPi * b * b * qb;
        const float sideLoad =
            std::min(kPoundsPerTon * socket.sideAboveWeakRock_tons + 1.5708f * lu * b * 2.0f * fs,
                     kPoundsPerTon * socket.finalSideResistance_tons);

        SocketPoint& point = result.curve.points[static_cast<std::size_t>(k - 1)];
        point.topLoad_tons = (sideLoad + baseLoad) / kPoundsPerTon;
        point.topMovement_ft = wt;
        // Shortening (in) of the shaft above the socket, a column of the socket's section.
        result.curve.upperShaftShortening_in[static_cast<std::size_t>(k - 1)] =
            24000.0f * upperShaft_ft * point.topLoad_tons / (concrete_psi * 113.097595f * b * b);
    }
    for (std::size_t k = 0; k < kSocketPointCount; ++k) {
        const SocketPoint& p = result.curve.points[k];
        if (!std::isfinite(p.topLoad_tons) || !std::isfinite(p.topMovement_ft) ||
            !std::isfinite(result.curve.upperShaftShortening_in[k])) {
            return failed(SocketCode::OutOfRange, result);
        }
    }
    return result;
}

} // namespace korva::methods
