#pragma once

#include <string>
#include <string_view>

namespace korva::gui {

// Unit codes of dimensioned values: a short text of force letters (F, F1, F2, F4, F5, F6) and
// length letters (L, L1, L2, L3) with an optional "/" denominator and "^" exponent, such as
// "F/L2^2" (lbs/ft^2 or kN/m^2), "F/L^2" (lbs/in^2 or kN/m^2), "L2" (ft or m), "F2" (tons or
// kN). A code without these letters ("deg", empty) is dimensionless.
//
// Unit systems: 1 English, 2 SI, 3 raw (codes shown as they are, nothing converted).
namespace UnitCodes {

constexpr int English = 1;
constexpr int SI = 2;
constexpr int Raw = 3;

// Factor from the SI unit to the English unit of one letter code; 1 for an unknown code.
long double LetterFactor(std::string_view letterCode);

// Text of a code in a unit system with every letter code replaced (grid-table headings):
// "F/L2^2" reads "lbs/ft^2" in English units and "kN/m^2" in SI.
std::string HeadingUnitText(std::string_view code, int unitSystem);

// Text of a code as a numeric entry field shows it: only the first force code found in the
// order F6, F5, F4, F2, F1 is replaced (every lone "F" when none occurs), likewise the first
// length code in the order L2, L1, L3 (every lone "L" when none occurs).
std::string EntryFieldUnitText(std::string_view code, int unitSystem);

// Factor by which a value in unit system `fromSystem` is multiplied to express it in
// `toSystem`. 1 within one system and whenever the raw system 3 is involved.
long double ConversionFactor(std::string_view code, int fromSystem, int toSystem);

} // namespace UnitCodes

} // namespace korva::gui
