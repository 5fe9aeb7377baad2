#include "engine/methods/StrengthProfile.h"

#include <algorithm>
#include <cstddef>

namespace korva::methods {
namespace {

// Straight line through (x0, y0) and (x1, y1) evaluated at x; a zero-length segment gives y1.
float lineThrough(float x0, float y0, float x1, float y1, float x)
{
    const float dx = x1 - x0;
    if (dx == 0.0f) {
        return y1;
    }
    return y0 + (y1 - y0) * (x - x0) / dx;
}

StrengthPoint layerEntry(std::span<const LayerStrength> layers, std::size_t index)
{
    const LayerStrength& layer = layers[index / 2];
    if (index % 2 == 0) {
        return {layer.top_in, layer.firstSliceUnitSide_psi};
    }
    return {layer.bottom_in, layer.lastSliceUnitSide_psi};
}

} // namespace

float unitSideFromRows_psi(std::span<const StrengthPoint> rows, float depth_in)
{
    if (rows.empty()) {
        return 0.0f;
    }
    // Rows come in order of increasing depth: the first row deeper than the depth is found by
    // bisection.
    const auto deeper = std::upper_bound(
        rows.begin(), rows.end(), depth_in,
        [](float depth, const StrengthPoint& row) { return depth < row.depth_in; });
    if (deeper == rows.end()) {
        return rows.back().unitSide_psi;
    }
    if (deeper == rows.begin()) {
        return rows.front().unitSide_psi;
    }
    const StrengthPoint& before = *(deeper - 1);
    return lineThrough(before.depth_in, before.unitSide_psi, deeper->depth_in, deeper->unitSide_psi,
                       depth_in);
}

float unitSideFromLayers_psi(std::span<const LayerStrength> layers, float depth_in)
{
    const std::size_t count = layers.size() * 2;
    if (count == 0) {
        return 0.0f;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const StrengthPoint entry = layerEntry(layers, i);
        if (entry.depth_in > depth_in) {
            if (i == 0) {
                return entry.unitSide_psi;
            }
            const StrengthPoint before = layerEntry(layers, i - 1);
            return lineThrough(before.depth_in, before.unitSide_psi, entry.depth_in,
                               entry.unitSide_psi, depth_in);
        }
    }
    // Below the profile the last layer's trend continues; a strength never turns negative.
    const StrengthPoint last = layerEntry(layers, count - 1);
    const StrengthPoint before = layerEntry(layers, count - 2);
    return std::max(0.0f, lineThrough(before.depth_in, before.unitSide_psi, last.depth_in,
                                      last.unitSide_psi, depth_in));
}

float deepestLayerDepth_in(std::span<const LayerStrength> layers)
{
    return layers.empty() ? 0.0f : layers.back().bottom_in;
}

} // namespace korva::methods
