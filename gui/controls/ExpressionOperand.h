#pragma once

#include <array>
#include <string_view>

namespace korva::gui {

// Names of the functions an operand may begin with, in the order they are tried: the first
// name that begins the operand wins, so "arctanh" is tried before "arctan" and "tan", and a
// text beginning with "cosec" is read as cos of the rest.
inline constexpr std::array<std::string_view, 24> kExpressionFunctionNames = {
    "arctanh", "arctan", "cotan",   "tanh",   "tan",  "arccosh", "arccos", "cosh",
    "cos",     "sec",    "arcsinh", "arcsin", "sinh", "sin",     "csc",    "abs",
    "frac",    "int",    "ln",      "round",  "ceil", "floor",   "log",    "sqrt"};

// Value of one operand of an expression (no operators left in it): the constants pi and e
// with an optional sign, a function name applied to the value of the rest, a trailing "!"
// (factorial), "$" and a hexadecimal integer, or a decimal number written with the given
// decimal separator. Every "--" pair is deleted first; letters are compared in lower case.
// Throws EControlError.
long double EvaluateOperand(std::string_view operand, char decimalSeparator = '.');

} // namespace korva::gui
