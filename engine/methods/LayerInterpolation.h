#pragma once

namespace korva::methods {

// Value of a layer property at a depth, linear between its values at the layer top and bottom.
// A layer of no thickness takes its top value.
constexpr float interpolateInLayer(float topValue, float bottomValue, float layerTop_ft,
                                   float layerBottom_ft, float depth_ft)
{
    const float thickness_ft = layerBottom_ft - layerTop_ft;
    if (!(thickness_ft > 0.0f)) {
        return topValue;
    }
    return topValue + (bottomValue - topValue) * (depth_ft - layerTop_ft) / thickness_ft;
}

} // namespace korva::methods
