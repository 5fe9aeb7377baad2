#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korva::gui {

// The one general number format of the desktop program (project data file, grid cells, entry
// fields, curve names and tick labels): at most `significantDigits` significant digits,
// trailing zeros dropped, no thousands separator, `decimalSeparator` ("." unless an entry field
// shows the user's locale). Fixed-point notation when the rounded value is at least 0.00001 in
// magnitude and its integer part has at most `significantDigits` digits, otherwise scientific
// notation with a plain exponent ("1E-6", "1.2345679E8"). Zero is "0". Values that are not
// finite read "NAN", "INF" or "-INF". Independent of the process locale.
std::string GeneralNumberText(long double value, int significantDigits = 8,
                              char decimalSeparator = '.');

// Text of an integer in plain decimal.
std::string IntegerNumberText(long long value);

// Strict decimal number: optional sign, digits with at most one decimal separator (at least
// one digit), optional exponent "E"/"e" with optional sign and digits. No blanks, no
// thousands separators, no "inf"/"nan". Empty result when the text is not such a number or
// lies outside the extended range.
std::optional<long double> ParseDecimal(std::string_view text, char decimalSeparator = '.');

} // namespace korva::gui
