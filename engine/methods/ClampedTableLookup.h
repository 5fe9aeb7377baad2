#pragma once
#include <cstddef>
#include <span>

// Linear reading of the chart tables of the methods: between tabulated points the value is
// linear; outside the tabulated range the end value is kept.
namespace korva::methods {

// Position of x on an increasing axis of at least two points: the segment [index, index + 1]
// and the fraction in it (0 below the axis, 1 above it).
struct AxisPosition
{
    std::size_t index = 0;
    float fraction = 0.0f;
};
AxisPosition clampedAxisPosition(std::span<const float> axis, float x);

// values[i] belongs to axis[i].
float clampedLookup(std::span<const float> axis, std::span<const float> values, float x);

// Table stored row by row (rowAxis.size() rows of columnAxis.size() values): first linear
// along the rows within each of the two neighbouring columns, then linear between them.
float clampedLookup2D(std::span<const float> rowAxis, std::span<const float> columnAxis,
                      std::span<const float> valuesByRow, float rowValue, float columnValue);

} // namespace korva::methods
