#include "engine/TipAveraging.h"

namespace korva {

float averagedTipResistance(const DepthTables& tables, int baseIndex, int averagingDepths,
                            float stemDiameter_ft)
{
    const int first = baseIndex + 1;
    if (first < 0 || first > DeepestTableIndex)
        return 0.0f;
    if (stemDiameter_ft < 1.0f || averagingDepths < 2)
        return tables.sliceTip_tons[first];

    const bool firstIsRock = tables.strongRockSlice[first];
    float lastSoilValue = tables.sliceTip_tons[first];
    float weightedSum = 0.0f;
    float weightSum = 0.0f;
    const float n = static_cast<float>(averagingDepths);
    for (int j = 0; j < averagingDepths; ++j) {
        const int index = first + j;
        if (index > DeepestTableIndex)
            break;
        const float h = static_cast<float>(j) / n;
        const float w = h <= 0.5f ? 1.2f * h : 0.4f * (2.0f - h);
        float value = tables.sliceTip_tons[index];
        if (!tables.strongRockSlice[index])
            lastSoilValue = value;
        else if (!firstIsRock)
            value = lastSoilValue;
        weightedSum += w * value;
        weightSum += w;
    }
    if (!(weightSum > 0.0f))
        return tables.sliceTip_tons[first];
    return weightedSum / weightSum;
}

} // namespace korva
