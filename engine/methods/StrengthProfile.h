#pragma once
#include <span>

namespace korva::methods {

// One entry of the per-row strength profile: the depth of a row of the capacity listing and
// the ultimate unit side resistance there.
struct StrengthPoint
{
    float depth_in = 0.0f;
    float unitSide_psi = 0.0f;
};

// One layer of the per-layer strength profile: the layer's side-resistance zone and the
// ultimate unit side resistance computed at its first and at its last 1-ft slice.
struct LayerStrength
{
    float top_in = 0.0f;
    float bottom_in = 0.0f;
    float firstSliceUnitSide_psi = 0.0f;
    float lastSliceUnitSide_psi = 0.0f;
};

// Unit side resistance at a depth from the per-row profile (rows in order of increasing
// depth, as the capacity listing holds them): linear between the first row
// deeper than the depth and the row before it; the last row's value below the last row and
// the first row's value above the first row. An empty profile gives 0.
float unitSideFromRows_psi(std::span<const StrengthPoint> rows, float depth_in);

// Unit side resistance at a depth from the per-layer profile, read as the sequence of
// (top, first slice), (bottom, last slice) entries of every layer in order: linear between
// the first entry deeper than the depth and the entry before it; below the last entry the last
// segment is extended (never below 0); above the first entry the first value. An empty profile
// gives 0.
float unitSideFromLayers_psi(std::span<const LayerStrength> layers, float depth_in);

// Deepest depth of the per-layer profile: the bottom of its last layer (0 when empty).
float deepestLayerDepth_in(std::span<const LayerStrength> layers);

} // namespace korva::methods
