#include "engine/methods/StrongRockSocketSettlement.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {
namespace {

// Head movement at which the side resistance above the socket is fully mobilised (~0.2 in).
constexpr float kFullSideMobilisation_ft = 0.017f;
// Layers whose side resistance is below this carry nothing.
constexpr float kNegligibleSide_tons = 1.0e-20f;
constexpr float kSideCurveStep = 0.001f;
constexpr int kMaxPropagationTrials = 100;

// Prescribed socket movement / socket diameter of the 15 points.
float prescribedNormalizedMovement(int point)
{
    switch (point) {
    case 13:
        return 0.025f;
    case 14:
        return 0.05f;
    case 15:
        return 0.1f;
    default:
        return 0.00018f * std::pow(1.5f, static_cast<float>(point - 1));
    }
}

template <std::size_t N>
float piecewiseLinear(const std::array<float, N>& xs, const std::array<float, N>& ys, float x)
{
    if (x <= xs.front()) {
        return ys.front();
    }
    for (std::size_t i = 1; i < N; ++i) {
        if (x <= xs[i]) {
            return ys[i - 1] + (ys[i] - ys[i - 1]) * (x - xs[i - 1]) / (xs[i] - xs[i - 1]);
        }
    }
    return ys.back();
}

bool positive(float value)
{
    return value > 0.0f && std::isfinite(value);
}

bool finitePoints(const SocketCurve& curve)
{
    for (const SocketPoint& p : curve.points) {
        if (!std::isfinite(p.topLoad_tons) || !std::isfinite(p.topMovement_ft) ||
            !std::isfinite(p.tipLoad_tons) || !std::isfinite(p.tipMovement_ft)) {
            return false;
        }
    }
    return true;
}

} // namespace

float rockMassModulusRatio(float rqd_pct)
{
    return piecewiseLinear(kStrongRockRqd_pct, kStrongRockModulusRatio, rqd_pct);
}

float settlementInfluenceFactor(float lengthToDiameter, float concreteToRockModulus)
{
    const auto row = [lengthToDiameter](int r) {
        return piecewiseLinear(kInfluenceSlenderness, kInfluenceFactor[static_cast<std::size_t>(r)],
                               lengthToDiameter);
    };
    const float e = concreteToRockModulus;
    if (e < 10.0f) {
        return row(0);
    }
    if (e < 50.0f) {
        return row(0) - (e - 10.0f) * (row(0) - row(1)) / 40.0f;
    }
    if (e < 100.0f) {
        return row(1) - (e - 50.0f) * (row(1) - row(2)) / 50.0f;
    }
    if (e < 5000.0f) {
        return row(2) - (e - 100.0f) * (row(2) - row(3)) / 4900.0f;
    }
    return row(3);
}

float socketSideRatio(bool upperBound, int materialCode, float normalizedMovement)
{
    // Sands and gravels follow the cohesionless line; clays, clay shale and rock layers lying
    // above the socket the cohesive one.
    const bool cohesionless = materialCode == 1 || materialCode == 8 || materialCode == 9;
    const std::size_t row = (upperBound ? 2u : 0u) + (cohesionless ? 0u : 1u);
    const auto& ratio = kSocketSideRatio[row];
    if (normalizedMovement <= 0.0f) {
        return ratio.front();
    }
    const float position = normalizedMovement / kSideCurveStep;
    if (position >= static_cast<float>(kSocketSideCurvePoints - 1)) {
        return ratio.back();
    }
    const auto i = static_cast<std::size_t>(position);
    const float fraction = position - static_cast<float>(i);
    return ratio[i] + (ratio[i + 1] - ratio[i]) * fraction;
}

PropagatedLoad propagateThroughLayersAbove(std::span<const SocketLayer> layersAbove,
                                           bool upperBound, float socketTopLoad_tons,
                                           float socketTopMovement_ft, float stemDiameter_ft,
                                           float concreteModulus_tsf)
{
    const float d = stemDiameter_ft;
    const float columnStiffness = kQuarterPi * d * d * concreteModulus_tsf * d;
    float loadBottom = socketTopLoad_tons;
    float xBottom = socketTopMovement_ft / d;
    float loadTop = loadBottom;
    float xTop = xBottom;
    for (std::size_t j = layersAbove.size(); j-- > 0;) {
        const SocketLayer& layer = layersAbove[j];
        const float sideAbove = j == 0 ? 0.0f : layersAbove[j - 1].sideResistanceToBottom_tons;
        float q = layer.sideResistanceToBottom_tons - sideAbove;
        if (q < kNegligibleSide_tons) {
            q = 0.0f;
        }
        const float topDepth = j == 0 ? 0.0f : layersAbove[j - 1].bottom_ft;
        const float h = layer.bottom_ft - topDepth;
        const float ratioBottom = socketSideRatio(upperBound, layer.materialCode, xBottom);
        const float tolerance = 0.1f * ratioBottom * q;
        float trialTop = loadBottom + ratioBottom * q;
        for (int trial = 1; trial <= kMaxPropagationTrials; ++trial) {
            xTop = xBottom + trialTop * h / columnStiffness;
            const float ratioTop = socketSideRatio(upperBound, layer.materialCode, xTop);
            loadTop = loadBottom + (ratioBottom + ratioTop) / 2.0f * q;
            if (std::fabs(loadTop - trialTop) <= tolerance || q <= kNegligibleSide_tons) {
                break;
            }
            trialTop = loadTop;
        }
        loadBottom = loadTop;
        xBottom = xTop;
    }
    return {loadTop, socketTopMovement_ft + (xTop - socketTopMovement_ft / d) * d};
}

SocketCurve strongRockSocketCurve(const StrongRockSocketCase& socket)
{
    SocketCurve curve;
    const std::span<const SocketLayer> layers = socket.layers;
    if (!positive(socket.stemDiameter_ft) || !positive(socket.firstDiameter_ft)) {
        curve.code = SocketCode::ZeroSocketDiameter;
        return curve;
    }
    if (!positive(socket.concreteModulus_tsf)) {
        curve.code = SocketCode::ZeroModulus;
        return curve;
    }
    if (layers.empty()) {
        curve.code = SocketCode::ZeroSocketLength;
        return curve;
    }
    const std::size_t t = layers.size();
    std::size_t n = 0;
    for (const SocketLayer& layer : layers) {
        if (layer.materialCode >= 4) {
            ++n;
        }
    }
    n = std::max<std::size_t>(n, 1); // the tip layer itself is rock
    const std::size_t above = t - n; // layers above the socket
    const float socketTop_ft = above == 0 ? 0.0f : layers[above - 1].bottom_ft;
    const float socketLength_ft = socket.finalLength_ft - socketTop_ft;
    if (!positive(socketLength_ft)) {
        curve.code = SocketCode::ZeroSocketLength;
        return curve;
    }

    float rqdSum = 0.0f;
    float modulusSum = 0.0f;
    for (std::size_t j = 0; j < t; ++j) {
        const SocketLayer& layer = layers[j];
        if (layer.materialCode < 4) {
            continue;
        }
        const float top = j == 0 ? 0.0f : layers[j - 1].bottom_ft;
        const float bottom = j + 1 == t ? socket.finalLength_ft : layer.bottom_ft;
        const float thickness = bottom - top;
        rqdSum += (layer.rqdTop_pct + layer.rqdBottom_pct) / 2.0f * thickness;
        modulusSum += (layer.modulusTop_tsf + layer.modulusBottom_tsf) / 2.0f * thickness;
    }
    const float rqdAverage = rqdSum / socketLength_ft;
    const float intactModulus_tsf = modulusSum / socketLength_ft;

    const float sideAboveSocket_tons =
        above == 0 ? 0.0f : layers[above - 1].sideResistanceToBottom_tons;
    const float socketCapacity_tons =
        socket.finalSideResistance_tons - sideAboveSocket_tons + socket.finalTipResistance_tons;

    const float b =
        socket.socketDiameterAtTipLayerTop_ft * socket.stemDiameter_ft / socket.firstDiameter_ft;
    if (!positive(b)) {
        curve.code = SocketCode::ZeroSocketDiameter;
        return curve;
    }
    const float r = socketLength_ft / b;
    const float em = rqdAverage == 100.0f ? intactModulus_tsf
                                          : intactModulus_tsf * rockMassModulusRatio(rqdAverage);
    if (!positive(em)) {
        curve.code = SocketCode::ZeroModulus;
        return curve;
    }
    const float influence = settlementInfluenceFactor(r, socket.concreteModulus_tsf / em);
    const float bSquaredEm = b * b * em;
    // Normalised movement at which the socket reaches its capacity.
    const float capacityMovement = socketCapacity_tons * influence / bSquaredEm;

    std::array<float, kSocketPointCount> socketLoad{};
    std::array<float, kSocketPointCount> headMovement{};
    for (int k = 1; k <= kSocketPointCount; ++k) {
        const float omega = std::min(prescribedNormalizedMovement(k), capacityMovement);
        const float p = bSquaredEm * omega / influence;
        const float w = omega * b;
        // Elastic shortening of a column of the socket diameter over the whole length.
        const float s =
            p * socket.finalLength_ft / (kQuarterPi * b * b * socket.concreteModulus_tsf) + w;
        socketLoad[static_cast<std::size_t>(k - 1)] = p;
        headMovement[static_cast<std::size_t>(k - 1)] = s;
    }

    const std::span<const SocketLayer> layersAbove = layers.first(above);
    // Pass 1 with the lower-bound side curves gives the head movement that mobilises the side
    // above the socket in pass 2; pass 2 with the upper-bound curves gives the tip columns.
    for (const bool upperBound : {false, true}) {
        for (std::size_t k = 0; k < kSocketPointCount; ++k) {
            SocketPoint& point = curve.points[k];
            const float p = socketLoad[k];
            const float s = headMovement[k];
            const float mobilised = sideAboveSocket_tons *
                                    std::min(1.0f, point.topMovement_ft / kFullSideMobilisation_ft);
            point.topLoad_tons = p + mobilised;
            point.topMovement_ft = s;
            if (upperBound) {
                point.tipLoad_tons = p + mobilised;
                point.tipMovement_ft = s;
            } else {
                point.tipLoad_tons = p;
            }
            const PropagatedLoad head = propagateThroughLayersAbove(
                layersAbove, upperBound, p, s, socket.stemDiameter_ft, socket.concreteModulus_tsf);
            if (upperBound) {
                point.tipLoad_tons = head.load_tons;
                point.tipMovement_ft = head.movement_ft;
            } else {
                point.topLoad_tons = head.load_tons;
                point.topMovement_ft = head.movement_ft;
            }
        }
    }
    if (!finitePoints(curve)) {
        curve = SocketCurve{};
        curve.code = SocketCode::OutOfRange;
    }
    return curve;
}

} // namespace korva::methods
