#pragma once
// Fixed-column number fields of the report, run-notes, t-z report and plot files.
//
// Every writer of a fixed-format file builds its lines from these fields, so that one rule of
// rounding and one rule of overflow hold everywhere:
//   - values are passed as double; a float converts exactly, so the field shows the float's
//     own value;
//   - rounding is to nearest on the exact binary value, halves away from zero (0.125 in F5.2 is
//     " 0.13", -0.125 is "-0.13");
//   - a value that rounds to zero keeps its minus sign ("-0.00"), as a Fortran runtime writes it;
//   - the optional leading zero of "0.xxx" is dropped when the field is one column short;
//   - a value that does not fit fills the whole field with asterisks, and so does a value that
//     is not finite (never "NaN" or "Infinity"; the free format writes such a value as 0).
#include <string>
#include <string_view>

namespace korva {

// Fw.d: right-aligned, d decimals ("   3.00" for 3 in F7.2; 3 in F5.0 is "   3.").
std::string formatF(double value, int width, int decimals);

// Ew.d: right-aligned sign, "0.", d digits, "E", exponent sign and two digits
// (120 in E10.3 is " 0.120E+03", zero is " 0.000E+00"). An exponent of three digits is written
// without the letter E ("0.120+100"), as the Fortran rule for Ew.d has it.
std::string formatE(double value, int width, int decimals);

// Iw: right-aligned integer.
std::string formatI(long value, int width);

// Iw.m: right-aligned integer with at least minDigits digits (leading zeros); zero in Iw.0 is
// all blanks.
std::string formatI(long value, int width, int minDigits);

// n blanks (none for n <= 0).
std::string blanks(int n);

// Text left-aligned in a field of n characters: padded with blanks or cut after n.
std::string padRight(std::string_view text, int n);

// The engine's one general number text: the shortest text that reads back to the same float,
// "." as decimal point whatever the locale ("0" for a value that cannot be written).
std::string shortestNumber(float value);

// Free-format numbers of the plot file: one leading blank, then the shortest number text.
std::string freeFormat(float value);
std::string freeFormat(long value);

} // namespace korva
