#pragma once

namespace korva::methods {

// Which of the three normalized load-transfer lines a curve is built from. The numbers are
// the ones carried through the run and written to the plot file (curve 1, 2, 3).
enum class CurveSelector : int {
    Trend = 1,      // averaged line
    UpperBound = 2, // stiff line
    LowerBound = 3, // soft line
};

// Zero-based row of a ratio table for a selector.
constexpr int ratioRow(CurveSelector selector)
{
    return static_cast<int>(selector) - 1;
}

} // namespace korva::methods
