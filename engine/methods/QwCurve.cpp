#include "engine/methods/QwCurve.h"

#include <algorithm>

namespace korva::methods {

bool cohesionlessBase(int materialCode)
{
    return materialCode == 1 || materialCode == 8 || materialCode == 9;
}

QwCurve scaledQwCurve(CurveSelector selector, int baseMaterialCode, float ultimateBaseLoad_lb,
                      float stemDiameter_in, float baseDiameter_in)
{
    const float size_in = std::max(baseDiameter_in, stemDiameter_in);
    const auto& loadRatio = cohesionlessBase(baseMaterialCode)
                                ? kCohesionlessQwLoadRatio[ratioRow(selector)]
                                : kCohesiveQwLoadRatio[ratioRow(selector)];
    QwCurve curve;
    for (int i = 0; i < kQwPointCount; ++i) {
        curve.movement_in[i] = size_in * kQwMovementRatio[i];
        curve.load_lb[i] = ultimateBaseLoad_lb * loadRatio[i];
    }
    return curve;
}

bool tipBeyondProfile(float tipDepth_in, std::span<const LayerStrength> layerProfile)
{
    return tipDepth_in > deepestLayerDepth_in(layerProfile);
}

float baseLoadAt_lb(const QwCurve& curve, float movement_in)
{
    if (movement_in <= curve.movement_in[0]) {
        return curve.load_lb[0];
    }
    for (int i = 1; i < kQwPointCount; ++i) {
        if (curve.movement_in[i] > movement_in) {
            const float dx = curve.movement_in[i] - curve.movement_in[i - 1];
            return curve.load_lb[i - 1] + (curve.load_lb[i] - curve.load_lb[i - 1]) *
                                              (movement_in - curve.movement_in[i - 1]) / dx;
        }
    }
    // A base movement past the tabulated curve keeps its last load (no extrapolation).
    return curve.load_lb[kQwPointCount - 1];
}

} // namespace korva::methods
