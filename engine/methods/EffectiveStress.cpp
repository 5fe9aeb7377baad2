#include "engine/methods/EffectiveStress.h"

#include <algorithm>

#include "engine/methods/FloatToInt.h"
#include "engine/methods/LayerInterpolation.h"

namespace korva::methods {
namespace {

float layerTop_ft(std::span<const UnitWeightLayer> layers, std::size_t index)
{
    return index == 0 ? 0.0f : layers[index - 1].bottom_ft;
}

// Unit weight of a layer at a depth held inside the layer.
float gammaInLayer_pcf(std::span<const UnitWeightLayer> layers, std::size_t index, float depth_ft)
{
    const UnitWeightLayer& layer = layers[index];
    const float top_ft = layerTop_ft(layers, index);
    const float clamped_ft =
        std::clamp(depth_ft, std::min(top_ft, layer.bottom_ft), std::max(top_ft, layer.bottom_ft));
    return interpolateInLayer(layer.gammaTop_pcf, layer.gammaBottom_pcf, top_ft, layer.bottom_ft,
                              clamped_ft);
}

// Effective unit weight of a piece of the column. Rock layers carry no unit weight (0 pcf);
// below the water table the buoyancy alone would make their weight negative and lower the
// effective stress of every layer beneath them, so a piece never weighs less than nothing.
float submergedWeight_pcf(float gamma_pcf, float buoyancy_pcf)
{
    return std::max(gamma_pcf - buoyancy_pcf, 0.0f);
}

// Weight (psf) of the soil column between depths j - 1 and j.
float stepWeight_psf(std::span<const UnitWeightLayer> layers, int step, float waterTableDepth_ft)
{
    const float stepBottom_ft = static_cast<float>(step);
    const float buoyancy_pcf = stepBottom_ft > waterTableDepth_ft ? kUnitWeightOfWater_pcf : 0.0f;

    std::size_t index = 0;
    float pieceTop_ft = stepBottom_ft - 1.0f;
    while (index < layers.size() && layers[index].bottom_ft <= pieceTop_ft) {
        ++index;
    }
    float weight_psf = 0.0f;
    // Layer bottoms inside the step split it; each part takes its own layer's unit weight.
    while (index < layers.size() && layers[index].bottom_ft < stepBottom_ft) {
        const float pieceBottom_ft = layers[index].bottom_ft;
        const float gamma_pcf =
            submergedWeight_pcf(gammaInLayer_pcf(layers, index, pieceBottom_ft), buoyancy_pcf);
        weight_psf += gamma_pcf * (pieceBottom_ft - pieceTop_ft);
        pieceTop_ft = pieceBottom_ft;
        ++index;
    }
    const std::size_t lastIndex = std::min(index, layers.size() - 1);
    const float gamma_pcf =
        submergedWeight_pcf(gammaInLayer_pcf(layers, lastIndex, stepBottom_ft), buoyancy_pcf);
    weight_psf += gamma_pcf * (stepBottom_ft - pieceTop_ft);
    return weight_psf;
}

} // namespace

float effectiveVerticalStress_psf(std::span<const UnitWeightLayer> layers, float depth_ft,
                                  float waterTableDepth_ft)
{
    if (layers.empty() || !(depth_ft >= 1.0f)) {
        return 0.0f;
    }
    const int steps = truncateClamped(depth_ft, 0, 1000000);
    float sigma_psf = 0.0f;
    for (int step = 1; step <= steps; ++step) {
        sigma_psf += stepWeight_psf(layers, step, waterTableDepth_ft);
    }
    return sigma_psf;
}

std::vector<float> effectiveVerticalStressTable_psf(std::span<const UnitWeightLayer> layers,
                                                    int maxDepth_ft, float waterTableDepth_ft)
{
    std::vector<float> table(static_cast<std::size_t>(std::max(maxDepth_ft, 0)) + 1, 0.0f);
    if (layers.empty()) {
        return table;
    }
    float sigma_psf = 0.0f;
    for (int step = 1; step <= maxDepth_ft; ++step) {
        sigma_psf += stepWeight_psf(layers, step, waterTableDepth_ft);
        table[static_cast<std::size_t>(step)] = sigma_psf;
    }
    return table;
}

float layerMidEffectiveStress_psf(std::span<const UnitWeightLayer> layers, int layerIndex,
                                  float waterTableDepth_ft)
{
    if (layerIndex < 0 || static_cast<std::size_t>(layerIndex) >= layers.size()) {
        return 0.0f;
    }
    float total_psf = 0.0f;
    for (int index = 0; index < layerIndex; ++index) {
        const UnitWeightLayer& layer = layers[static_cast<std::size_t>(index)];
        const float thickness_ft =
            layer.bottom_ft - layerTop_ft(layers, static_cast<std::size_t>(index));
        total_psf += 0.5f * (layer.gammaTop_pcf + layer.gammaBottom_pcf) * thickness_ft;
    }
    const auto current = static_cast<std::size_t>(layerIndex);
    const float top_ft = layerTop_ft(layers, current);
    const float halfThickness_ft = 0.5f * (layers[current].bottom_ft - top_ft);
    total_psf +=
        0.5f * (layers[current].gammaTop_pcf + layers[current].gammaBottom_pcf) * halfThickness_ft;
    const float mid_ft = top_ft + halfThickness_ft;
    if (mid_ft >= waterTableDepth_ft) {
        total_psf -= kUnitWeightOfWater_pcf * (mid_ft - waterTableDepth_ft);
    }
    return total_psf;
}

} // namespace korva::methods
