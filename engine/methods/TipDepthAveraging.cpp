#include "engine/methods/TipDepthAveraging.h"
#include "engine/methods/FloatToInt.h"

#include <algorithm>
#include <cstddef>

namespace korva::methods {

AveragedTip depthAveragedTip_tons(std::span<const float> sliceTip_tons,
                                  std::span<const bool> strongRockSlice, int firstIndex,
                                  float baseDiameter_ft, float stemDiameter_ft)
{
    AveragedTip result;
    const std::size_t available = std::min(sliceTip_tons.size(), strongRockSlice.size());
    if (firstIndex < 0 || static_cast<std::size_t>(firstIndex) >= available) {
        result.warnings.add(MethodWarning::TipZoneIncomplete);
        return result;
    }
    const auto first = static_cast<std::size_t>(firstIndex);
    if (stemDiameter_ft < 1.0f) {
        result.tip_tons = sliceTip_tons[first];
        return result;
    }

    const float zoneLength_ft = 2.0f * baseDiameter_ft;
    const int zoneDepths = truncateClamped(zoneLength_ft, 0, 1000000);
    const bool firstIsStrongRock = strongRockSlice[first];
    float lastSoilValue_tons = sliceTip_tons[first];
    float weightedSum = 0.0f;
    float weightSum = 0.0f;
    for (int j = 0; j < zoneDepths; ++j) {
        const std::size_t index = first + static_cast<std::size_t>(j);
        if (index >= available) {
            result.warnings.add(MethodWarning::TipZoneIncomplete);
            break;
        }
        float value_tons = sliceTip_tons[index];
        // Strong rock in the zone below a soil base does not count with its own (much higher)
        // resistance: the soil value above it is carried on.
        if (!firstIsStrongRock) {
            if (strongRockSlice[index]) {
                value_tons = lastSoilValue_tons;
            } else {
                lastSoilValue_tons = value_tons;
            }
        }
        const float h = static_cast<float>(j) / static_cast<float>(zoneDepths);
        const float weight = h <= 0.5f ? 1.2f * h : 0.4f * (2.0f - h);
        weightedSum += weight * value_tons;
        weightSum += weight;
    }
    if (!(weightSum > 0.0f)) {
        result.tip_tons = sliceTip_tons[first];
        return result;
    }
    result.tip_tons = weightedSum / weightSum;
    return result;
}

} // namespace korva::methods
