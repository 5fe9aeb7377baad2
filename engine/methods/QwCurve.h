#pragma once
#include <array>
#include <span>

#include "engine/methods/CurveBuildCode.h"
#include "engine/methods/CurveSelector.h"
#include "engine/methods/StrengthProfile.h"

// Q-w curve: base load Q (lb) against base movement w (in), built from normalized curves
// scaled by the ultimate base load and the larger of the base and stem diameters.
namespace korva::methods {

inline constexpr int kQwPointCount = 10;

// Movement / max(base diameter, stem diameter), points 1..10.
inline constexpr std::array<float, kQwPointCount> kQwMovementRatio = {
    0.0f, 0.005f, 0.01f, 0.015f, 0.025f, 0.03f, 0.04f, 0.05f, 0.07f, 0.1f};
// Q / Qmax of cohesive base materials; rows: trend, upper bound, lower bound.
inline constexpr std::array<std::array<float, kQwPointCount>, 3> kCohesiveQwLoadRatio = {{
    {0.0f, 0.395f, 0.56f, 0.7f, 0.865f, 0.9f, 0.95f, 0.97f, 0.98f, 0.991f},
    {0.0f, 0.59f, 0.75f, 0.86f, 0.96f, 0.98f, 0.995f, 0.995f, 0.994f, 0.992f},
    {0.0f, 0.2f, 0.37f, 0.54f, 0.77f, 0.82f, 0.9f, 0.94f, 0.97f, 0.99f},
}};
// Q / Qmax of cohesionless base materials (sand, gravelly sand, gravel); rows: trend, upper
// bound, lower bound. The ratios pass 1.0: a base in sand keeps gaining load past Qmax.
inline constexpr std::array<std::array<float, kQwPointCount>, 3> kCohesionlessQwLoadRatio = {{
    {0.0f, 0.175f, 0.345f, 0.485f, 0.64f, 0.73f, 0.88f, 1.015f, 1.195f, 1.46f},
    {0.0f, 0.25f, 0.48f, 0.67f, 0.76f, 0.84f, 0.96f, 1.08f, 1.28f, 1.61f},
    {0.0f, 0.1f, 0.21f, 0.3f, 0.52f, 0.62f, 0.8f, 0.95f, 1.11f, 1.32f},
}};

struct QwCurve
{
    std::array<float, kQwPointCount> movement_in{};
    std::array<float, kQwPointCount> load_lb{};
};

// True for the base materials of the cohesionless family: codes 1, 8 and 9.
bool cohesionlessBase(int materialCode);

// The normalized curve of the base material scaled by Qmax and max(base, stem diameter).
QwCurve scaledQwCurve(CurveSelector selector, int baseMaterialCode, float ultimateBaseLoad_lb,
                      float stemDiameter_in, float baseDiameter_in);

// True when the tip lies below the deepest depth of the per-layer profile (run status 4).
bool tipBeyondProfile(float tipDepth_in, std::span<const LayerStrength> layerProfile);

// Base load at a base movement: linear between points; the last point's load beyond the last
// point; 0 at or below zero movement.
float baseLoadAt_lb(const QwCurve& curve, float movement_in);

} // namespace korva::methods
