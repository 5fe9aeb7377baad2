#include "engine/methods/TzCurves.h"

#include <cstddef>

namespace korva::methods {
namespace {

constexpr int kSandCode = 1;
// Layers thinner than this get a nominal thickness so that their curve depths stay ordered.
constexpr float kVanishingThickness_in = 1.0e-12f;
constexpr float kNominalThickness_in = 0.1f;
// Curve depths are kept this far above the layer bottom, inside the layer.
constexpr float kBottomOffset_in = 0.01f;
// Below-first-layer curves start one foot into the layer.
constexpr float kTopOffset_in = 12.01f;
// A curve depth this far or farther below the per-layer profile has no strength to scale by.
constexpr float kProfileTolerance_in = 0.1f;

bool beyondProfile(float depth_in, std::span<const LayerStrength> layerProfile)
{
    return depth_in - deepestLayerDepth_in(layerProfile) >= kProfileTolerance_in;
}

float lineThrough(float x0, float y0, float x1, float y1, float x)
{
    const float dx = x1 - x0;
    if (dx == 0.0f) {
        return y1;
    }
    return y0 + (y1 - y0) * (x - x0) / dx;
}

} // namespace

std::array<float, kTzCurvesPerLayer> tzCurveDepths_in(const TzLayer& layer, bool firstLayer)
{
    const float top = layer.top_in;
    float bottom = layer.bottom_in;
    if (bottom - top < kVanishingThickness_in) {
        bottom = top + kNominalThickness_in;
    }
    const float middle = (top + bottom) / 2.0f;
    const float first = firstLayer ? top : top + kTopOffset_in;
    return {first, (top + middle) / 2.0f, middle, (middle + bottom - kBottomOffset_in) / 2.0f,
            bottom - kBottomOffset_in};
}

TzCurve scaledTzCurve(CurveSelector selector, int materialCode, float maxUnitSide_psi,
                      float stemDiameter_in)
{
    const bool sand = materialCode == kSandCode;
    const auto& movementRatio = sand ? kSandTzMovementRatio : kOtherTzMovementRatio;
    const auto& transferRatio =
        sand ? kSandTzTransferRatio[ratioRow(selector)] : kOtherTzTransferRatio[ratioRow(selector)];
    TzCurve curve;
    curve.materialCode = materialCode;
    for (int i = 0; i < kTzPointCount; ++i) {
        curve.movement_in[i] = stemDiameter_in * movementRatio[i];
        curve.transfer_psi[i] = maxUnitSide_psi * transferRatio[i];
    }
    return curve;
}

TzCurveSet buildTzCurves(CurveSelector selector, std::span<const TzLayer> layers,
                         std::span<const LayerStrength> layerProfile,
                         std::span<const StrengthPoint> rowProfile, float stemDiameter_in)
{
    TzCurveSet set;
    const std::size_t total = layers.size() * kTzCurvesPerLayer;
    set.curves.reserve(total);
    for (std::size_t l = 0; l < layers.size(); ++l) {
        const auto depths = tzCurveDepths_in(layers[l], l == 0);
        for (const float depth : depths) {
            if (beyondProfile(depth, layerProfile)) {
                set.code = CurveBuildCode::TzDepthBeyondProfile;
                set.offendingDepth_in = depth;
                set.curves.clear();
                return set;
            }
            const bool lastCurve = set.curves.size() + 1 == total;
            const float maxUnitSide = lastCurve ? unitSideFromLayers_psi(layerProfile, depth)
                                                : unitSideFromRows_psi(rowProfile, depth);
            TzCurve curve =
                scaledTzCurve(selector, layers[l].materialCode, maxUnitSide, stemDiameter_in);
            curve.number = static_cast<int>(set.curves.size()) + 1;
            curve.depth_in = depth;
            set.curves.push_back(curve);
        }
    }
    return set;
}

AdditionalTzCurve buildAdditionalTzCurve(CurveSelector selector, int number, float depth_in,
                                         std::span<const TzLayer> layers,
                                         std::span<const LayerStrength> layerProfile,
                                         std::span<const StrengthPoint> rowProfile,
                                         float stemDiameter_in)
{
    AdditionalTzCurve result;
    if (beyondProfile(depth_in, layerProfile)) {
        result.code = CurveBuildCode::TzDepthBeyondProfile;
        result.curve.number = number;
        result.curve.depth_in = depth_in;
        return result;
    }
    int materialCode = layers.empty() ? 0 : layers.back().materialCode;
    for (const TzLayer& layer : layers) {
        if (depth_in <= layer.bottom_in) {
            materialCode = layer.materialCode;
            break;
        }
    }
    result.curve = scaledTzCurve(selector, materialCode, unitSideFromRows_psi(rowProfile, depth_in),
                                 stemDiameter_in);
    result.curve.number = number;
    result.curve.depth_in = depth_in;
    return result;
}

float transferAt_psi(const TzCurve& curve, float movement_in)
{
    if (movement_in <= curve.movement_in[0]) {
        return curve.transfer_psi[0];
    }
    // The movements never decrease along a curve, so the points at or below the movement are
    // counted rather than searched: the first point beyond it follows them.
    int below = 0;
    for (int i = 1; i < kTzPointCount; ++i) {
        below += curve.movement_in[i] <= movement_in ? 1 : 0;
    }
    if (below == kTzPointCount - 1) {
        return curve.transfer_psi[kTzPointCount - 1];
    }
    const int i = below + 1;
    return lineThrough(curve.movement_in[i - 1], curve.transfer_psi[i - 1], curve.movement_in[i],
                       curve.transfer_psi[i], movement_in);
}

TzBracket bracketTzCurves(std::span<const TzCurve> curves, float depth_in)
{
    if (curves.empty()) {
        return {};
    }
    // The first curve deeper than the depth and the one before it bracket it, even where thin
    // layers put a layer's first curve below its second.
    for (std::size_t i = 0; i < curves.size(); ++i) {
        if (curves[i].depth_in > depth_in) {
            const int lower = static_cast<int>(i);
            return {i == 0 ? 0 : lower - 1, lower};
        }
    }
    const int last = static_cast<int>(curves.size()) - 1;
    return {last, last};
}

float transferInBracket_psi(std::span<const TzCurve> curves, TzBracket bracket, float depth_in,
                            float movement_in)
{
    if (bracket.upper < 0 || bracket.lower < 0) {
        return 0.0f;
    }
    const TzCurve& upper = curves[static_cast<std::size_t>(bracket.upper)];
    if (bracket.upper == bracket.lower) {
        return transferAt_psi(upper, movement_in);
    }
    const TzCurve& lower = curves[static_cast<std::size_t>(bracket.lower)];
    return lineThrough(upper.depth_in, transferAt_psi(upper, movement_in), lower.depth_in,
                       transferAt_psi(lower, movement_in), depth_in);
}

float transferAtDepth_psi(std::span<const TzCurve> curves, float depth_in, float movement_in)
{
    return transferInBracket_psi(curves, bracketTzCurves(curves, depth_in), depth_in, movement_in);
}

} // namespace korva::methods
