#pragma once
#include <array>
#include <span>
#include <vector>

#include "engine/methods/CurveBuildCode.h"
#include "engine/methods/CurveSelector.h"
#include "engine/methods/StrengthProfile.h"

// t-z curves: unit side load transfer t (psi) against local shaft movement z (in), built from
// normalized curves scaled by the ultimate unit side resistance and the stem diameter.
namespace korva::methods {

inline constexpr int kTzPointCount = 10;
inline constexpr int kTzCurvesPerLayer = 5;

// Normalized t-z curve of sand (material code 1).
// Movement / stem diameter, points 1..10.
inline constexpr std::array<float, kTzPointCount> kSandTzMovementRatio = {
    0.0f, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.1f};
// t / tmax, rows: trend, upper bound, lower bound; columns: points 1..10.
inline constexpr std::array<std::array<float, kTzPointCount>, 3> kSandTzTransferRatio = {{
    {0.0f, 0.335f, 0.58f, 0.72f, 0.86f, 0.91f, 0.95f, 0.965f, 0.96f, 0.95f},
    {0.0f, 0.45f, 0.76f, 0.9f, 0.98f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
    {0.0f, 0.22f, 0.4f, 0.54f, 0.74f, 0.82f, 0.9f, 0.93f, 0.92f, 0.9f},
}};

// Normalized t-z curve of every other material code.
// Movement / stem diameter, points 1..10.
inline constexpr std::array<float, kTzPointCount> kOtherTzMovementRatio = {
    0.0f, 0.001f, 0.002f, 0.003f, 0.005f, 0.006f, 0.008f, 0.012f, 0.016f, 0.02f};
// t / tmax, rows: trend, upper bound, lower bound; columns: points 1..10.
inline constexpr std::array<std::array<float, kTzPointCount>, 3> kOtherTzTransferRatio = {{
    {0.0f, 0.51f, 0.72f, 0.9f, 0.925f, 0.945f, 0.955f, 0.925f, 0.9f, 0.835f},
    {0.0f, 0.74f, 0.92f, 0.97f, 1.01f, 1.02f, 1.02f, 1.0f, 0.96f, 0.92f},
    {0.0f, 0.29f, 0.52f, 0.7f, 0.84f, 0.87f, 0.89f, 0.85f, 0.8f, 0.75f},
}};

struct TzCurve
{
    int number = 0; // 1-based, in depth order of the layers
    int materialCode = 0;
    float depth_in = 0.0f;
    std::array<float, kTzPointCount> movement_in{};
    std::array<float, kTzPointCount> transfer_psi{};
};

// A layer of the profile as the curves see it: its top and bottom depth and material code.
struct TzLayer
{
    float top_in = 0.0f;
    float bottom_in = 0.0f;
    int materialCode = 0;
};

struct TzCurveSet
{
    CurveBuildCode code = CurveBuildCode::Ok;
    float offendingDepth_in = 0.0f; // the curve depth beyond the profile when code is not Ok
    std::vector<TzCurve> curves;    // kTzCurvesPerLayer per layer, layer by layer
};

struct AdditionalTzCurve
{
    CurveBuildCode code = CurveBuildCode::Ok;
    TzCurve curve;
};

// The five curve depths of a layer (in). The first curve of every layer below the first one
// sits one foot (plus 0.01 in) below the layer top, where the layer's own strength applies.
std::array<float, kTzCurvesPerLayer> tzCurveDepths_in(const TzLayer& layer, bool firstLayer);

// The normalized curve of a material code scaled by tmax and the stem diameter.
TzCurve scaledTzCurve(CurveSelector selector, int materialCode, float maxUnitSide_psi,
                      float stemDiameter_in);

// All curves of a shaft: five per layer. tmax of each curve comes from the per-row profile at
// its depth, except the last curve, which takes it from the per-layer profile. A curve depth
// 0.1 in or more below the deepest depth of the per-layer profile gives
// CurveBuildCode::TzDepthBeyondProfile (run status 2) and no curves.
TzCurveSet buildTzCurves(CurveSelector selector, std::span<const TzLayer> layers,
                         std::span<const LayerStrength> layerProfile,
                         std::span<const StrengthPoint> rowProfile, float stemDiameter_in);

// One additional curve at a depth of the user's, with the material of the layer that contains
// the depth (the last layer when the depth lies below all of them) and tmax from the per-row
// profile; the same depth check as buildTzCurves.
AdditionalTzCurve buildAdditionalTzCurve(CurveSelector selector, int number, float depth_in,
                                         std::span<const TzLayer> layers,
                                         std::span<const LayerStrength> layerProfile,
                                         std::span<const StrengthPoint> rowProfile,
                                         float stemDiameter_in);

// Load transfer of one curve at a movement: linear between points, the last point's value
// beyond the last point, 0 at or below zero movement.
float transferAt_psi(const TzCurve& curve, float movement_in);

// The two curves whose depths bracket a depth: the first curve deeper than the depth and the
// one before it. Above the first curve both indices are 0, below the last both are the last
// index; -1 when there are no curves.
struct TzBracket
{
    int upper = -1;
    int lower = -1;
};
TzBracket bracketTzCurves(std::span<const TzCurve> curves, float depth_in);

// Load transfer at a depth and movement within a bracket found for that depth.
float transferInBracket_psi(std::span<const TzCurve> curves, TzBracket bracket, float depth_in,
                            float movement_in);

// Load transfer at a depth and movement: each of the two curves whose depths bracket the depth
// is read at the movement, then the two values are interpolated linearly by depth. Above the
// first curve the first curve applies, below the last curve the last one. No curves give 0.
float transferAtDepth_psi(std::span<const TzCurve> curves, float depth_in, float movement_in);

} // namespace korva::methods
