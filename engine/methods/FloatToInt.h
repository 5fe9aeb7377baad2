#pragma once
// Conversions of a real to an integer. Converting a float whose integer part does not fit the
// integer type is undefined behaviour (a depth of 1e38 ft once made the depth walk take 2^31
// slices); every conversion of a real to an integer in the engine goes through these.
#include <cmath>
#include <stdexcept>
#include <string>

namespace korva {

// The integer part (truncation towards zero, as a cast) of a value that fits an int. A value
// that does not fit, or is not a number, is an internal failure of the run: the deck ranges
// keep every input far inside the int range, so reaching it means a fault of the engine.
inline int truncateToInt(double value)
{
    // Truncation keeps (-2^31 - 1, 2^31) within the range of int.
    if (!(value > -2147483649.0 && value < 2147483648.0))
        throw std::range_error("a real value (" + std::to_string(value) +
                               ") does not fit an integer");
    return static_cast<int>(value);
}

// The integer part of a value clamped to [low, high] first; a value that is not a number
// gives low. For the places where a bound is the physical answer (a table row, a count).
inline int truncateClamped(double value, int low, int high)
{
    if (!(value >= static_cast<double>(low)))
        return low;
    if (value >= static_cast<double>(high))
        return high;
    return static_cast<int>(value);
}

// The nearest integer (halves away from zero) clamped to [low, high]; not a number gives low.
inline int roundClamped(double value, int low, int high)
{
    return truncateClamped(std::round(value), low, high);
}

} // namespace korva
