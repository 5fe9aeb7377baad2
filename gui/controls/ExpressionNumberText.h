#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korva {

// Number text of the entry fields: the general format (fixed notation while the number of
// integer digits does not exceed the precision and the value is at least 1E-5 in magnitude,
// else scientific as "1.2345679E8" or "1E-6"), trailing zeros removed, "0" for zero, with the
// given decimal separator. Independent of the process locale.
std::string FormatGeneral(long double value, int significantDigits, char decimalSeparator = '.');

// Strict decimal number: optional sign, digits with at most one decimal separator (at least
// one digit), optional exponent "E"/"e" with optional sign and digits. No blanks, no
// thousands separators, no "inf"/"nan". Empty result when the text is not such a number or
// lies outside the extended range.
std::optional<long double> ParseDecimal(std::string_view text, char decimalSeparator = '.');

} // namespace korva
