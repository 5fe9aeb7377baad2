#include "engine/methods/ClampedTableLookup.h"

namespace korva::methods {

AxisPosition clampedAxisPosition(std::span<const float> axis, float x)
{
    const std::size_t size = axis.size();
    if (size < 2 || !(x > axis[0])) {
        return {0, 0.0f};
    }
    if (x >= axis[size - 1]) {
        return {size - 2, 1.0f};
    }
    std::size_t index = 0;
    while (x > axis[index + 1]) {
        ++index;
    }
    return {index, (x - axis[index]) / (axis[index + 1] - axis[index])};
}

float clampedLookup(std::span<const float> axis, std::span<const float> values, float x)
{
    if (axis.size() < 2 || values.size() < axis.size()) {
        return values.empty() ? 0.0f : values[0];
    }
    const AxisPosition p = clampedAxisPosition(axis, x);
    return values[p.index] + (values[p.index + 1] - values[p.index]) * p.fraction;
}

float clampedLookup2D(std::span<const float> rowAxis, std::span<const float> columnAxis,
                      std::span<const float> valuesByRow, float rowValue, float columnValue)
{
    const std::size_t columns = columnAxis.size();
    if (rowAxis.size() < 2 || columns < 2 || valuesByRow.size() < rowAxis.size() * columns) {
        return valuesByRow.empty() ? 0.0f : valuesByRow[0];
    }
    const AxisPosition r = clampedAxisPosition(rowAxis, rowValue);
    const AxisPosition c = clampedAxisPosition(columnAxis, columnValue);
    auto alongRows = [&](std::size_t column) {
        const float a = valuesByRow[r.index * columns + column];
        const float b = valuesByRow[(r.index + 1) * columns + column];
        return a + (b - a) * r.fraction;
    };
    const float left = alongRows(c.index);
    const float right = alongRows(c.index + 1);
    return left + (right - left) * c.fraction;
}

} // namespace korva::methods
