#pragma once

#include <string>

// Text of a real number in the general format used in the project data file and in grid
// cells: at most `significantDigits` significant digits, trailing zeros dropped, "." as the
// decimal separator whatever the locale, no thousands separator. Fixed-point notation when
// the rounded value is at least 0.00001 in magnitude and its integer part has at most
// `significantDigits` digits, otherwise scientific notation with a plain exponent ("1E-6",
// "1.2345679E8"). Zero is "0". Values that are not finite read "NAN", "INF" or "-INF".
std::string GeneralNumberText(long double value, int significantDigits = 8);

// Text of an integer in plain decimal.
std::string IntegerNumberText(long long value);
