#include "engine/methods/DecomposedRockSocketSettlement.h"

#include <cmath>

#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {
namespace {

constexpr float kMinimumSocketDiameter_ft = 0.001f;
constexpr float kMinimumSocketLength_ft = 0.0001f;
constexpr float kMinimumMeasuredModulus_tsf = 0.001f;
// Modulus estimated from the blow count: 22 atmospheres per blow^0.82 (lb/ft²).
constexpr float kModulusPerBlow_psf = 46545.4f;
// 0.2 atmospheres (lb/ft²), the stress scale of the blow-count correlations.
constexpr float kFifthAtmosphere_psf = 423.14f;

bool positive(float value)
{
    return value > 0.0f && std::isfinite(value);
}

// Top and bottom values of the tip layer interpolated at the tip's depth inside the layer; a
// layer of no thickness gives its top value.
float interpolateAtTip(float top, float bottom, const DecomposedRockSocketCase& socket)
{
    const float thickness = socket.tipLayerBottom_ft - socket.tipLayerTop_ft;
    if (!(thickness > 0.0f)) {
        return top;
    }
    return top + (bottom - top) * socket.depthInTipLayer_ft / thickness;
}

DecomposedRockSocketResult failed(SocketCode code, const DecomposedRockSocketDetail& detail)
{
    DecomposedRockSocketResult result;
    result.curve.code = code;
    result.detail = detail;
    return result;
}

} // namespace

DecomposedRockSocketResult decomposedRockSocketCurve(const DecomposedRockSocketCase& socket)
{
    DecomposedRockSocketDetail detail;
    if (!positive(socket.stemDiameter_ft) || !positive(socket.firstDiameter_ft)) {
        return failed(SocketCode::ZeroSocketDiameter, detail);
    }
    if (!positive(socket.concreteModulus_tsf)) {
        return failed(SocketCode::ZeroModulus, detail);
    }
    const float n = interpolateAtTip(socket.blowCountTop, socket.blowCountBottom, socket);
    float b =
        interpolateAtTip(socket.socketDiameterTop_ft, socket.socketDiameterBottom_ft, socket) *
        socket.stemDiameter_ft / socket.firstDiameter_ft;
    if (b < kMinimumSocketDiameter_ft) {
        b = socket.firstDiameter_ft;
    }
    detail.socketDiameter_ft = b;
    detail.blowCount = n;

    const float l = socket.referenceLength_ft;
    // Below L + 2B the layer's mid-depth stress applies; a walk that stopped above that depth
    // uses the stress of its deepest slice.
    const float sigma = socket.deepestSliceDepth_ft < l + 2.0f * b
                            ? socket.deepestSliceEffectiveStress_psf
                            : socket.midLayerEffectiveStress_psf;
    detail.effectiveStress_psf = sigma;
    if (!positive(sigma)) {
        return failed(SocketCode::ZeroStrength, detail);
    }

    float socketLength = l - socket.tipLayerTop_ft;
    if (socketLength < kMinimumSocketLength_ft) {
        socketLength = socket.tipLayerBottom_ft;
    }
    detail.socketLength_ft = socketLength;
    if (!positive(socketLength)) {
        return failed(SocketCode::ZeroSocketLength, detail);
    }
    const float r = socketLength / b;

    float e = 0.0f;
    float rho = 0.0f;
    if (socket.modulusBottom_tsf > kMinimumMeasuredModulus_tsf) {
        e = kPoundsPerTon * socket.modulusBottom_tsf;
        rho = (socket.modulusTop_tsf + socket.modulusBottom_tsf) / 2.0f / socket.modulusBottom_tsf;
    } else {
        if (!positive(n) || !positive(socket.blowCountBottom)) {
            return failed(SocketCode::ZeroStrength, detail);
        }
        e = kModulusPerBlow_psf * std::pow(n, 0.82f);
        rho = socket.blowCountTop / socket.blowCountBottom;
    }
    detail.modulus_psf = e;
    detail.stiffnessRatio = rho;
    if (!positive(e)) {
        return failed(SocketCode::ZeroModulus, detail);
    }

    // Ec (tons/ft²) brought to lb/ft², times the 2.6 of the pile-soil stiffness ratio.
    const float lambda = 5200.0f * socket.concreteModulus_tsf / e;
    const float zeta = std::log(2.0f * r * (0.25f + 2.5f * (1.5f * rho - 0.25f)));
    if (!positive(zeta)) {
        return failed(SocketCode::OutOfRange, detail);
    }
    const float muL = 2.0f * r * std::sqrt(2.0f / (zeta * lambda));
    if (!positive(muL)) {
        return failed(SocketCode::OutOfRange, detail);
    }
    const float tanhMuL = std::tanh(muL);
    const float ratio = 5.6f * (1.0f + 8.0f * r * tanhMuL / (4.7124f * lambda * muL)) /
                        (26.666666f + 12.5664f * r * rho * tanhMuL / (zeta * muL));

    const float slipFraction = 1.0f - ratio / (2.1f * std::cosh(muL));
    if (!positive(slipFraction)) {
        return failed(SocketCode::OutOfRange, detail);
    }
    const float side_lb = kPoundsPerTon * socket.finalSideResistance_tons;
    const float slipLoad = side_lb / slipFraction;
    const float slipMovement = ratio * slipLoad / (e * b);

    const float qmax = 2.1459f * sigma * std::pow(kFifthAtmosphere_psf * n / sigma, 0.8f);
    const float baseLoad = kQuarterPi * b * b * qmax;
    const float loadAfterSlip = side_lb + baseLoad - slipLoad;
    const float baseMovement = 0.84f * loadAfterSlip / (0.4f * e * b);
    detail.slipLoad_lb = slipLoad;
    detail.slipMovement_ft = slipMovement;
    detail.baseLoad_lb = baseLoad;
    detail.loadAfterSlip_lb = loadAfterSlip;
    detail.baseMovement_ft = baseMovement;

    DecomposedRockSocketResult result;
    result.detail = detail;
    auto& points = result.curve.points;
    // Side slip mobilised in ten equal steps, then the base in four.
    for (int k = 1; k <= 10; ++k) {
        const auto kf = static_cast<float>(k);
        points[static_cast<std::size_t>(k - 1)].topLoad_tons =
            kf * slipLoad / 10.0f / kPoundsPerTon;
        points[static_cast<std::size_t>(k - 1)].topMovement_ft = kf * slipMovement / 10.0f;
    }
    for (int k = 11; k <= 14; ++k) {
        const auto kf = static_cast<float>(k - 10);
        points[static_cast<std::size_t>(k - 1)].topLoad_tons =
            (slipLoad + kf * loadAfterSlip / 4.0f) / kPoundsPerTon;
        points[static_cast<std::size_t>(k - 1)].topMovement_ft =
            slipMovement + kf * baseMovement / 4.0f;
    }
    points[14].topLoad_tons = points[13].topLoad_tons;
    points[14].topMovement_ft = 1.2f * (slipMovement + baseMovement);

    for (const SocketPoint& p : points) {
        if (!std::isfinite(p.topLoad_tons) || !std::isfinite(p.topMovement_ft)) {
            return failed(SocketCode::OutOfRange, detail);
        }
    }
    return result;
}

} // namespace korva::methods
