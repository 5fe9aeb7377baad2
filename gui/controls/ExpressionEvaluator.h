#pragma once

#include <string>
#include <string_view>

namespace korva::gui {

// Evaluator of the arithmetic expressions accepted by every numeric entry of the desktop
// program. Operators, by precedence, each level applied from left to right:
//   ^            power
//   * / % &      product, quotient, remainder of the truncated 64-bit integers, logical and
//   + - |        sum, difference, logical or
//   =            equality (1 or 0)
// Parentheses are evaluated innermost first; operands are numbers, pi, e, "$" hexadecimal
// integers, a trailing "!" (factorial) and the functions of ExpressionOperand.h. Intermediate
// results are carried as text with 18 significant digits, as the user would type them.
// Failures throw EControlError with the message the user reads.
class ExpressionEvaluator
{
  public:
    // decimalSeparator: the separator of numbers in the entered text (the user's locale).
    explicit ExpressionEvaluator(char decimalSeparator = '.') : fDecimalSeparator(decimalSeparator)
    {
    }

    long double Evaluate(std::string_view text) const;

    char DecimalSeparator() const { return fDecimalSeparator; }

  private:
    long double EvaluateWithoutParentheses(std::string text) const;
    std::string ToText(long double value) const;

    char fDecimalSeparator;
};

// Convenience wrapper: ExpressionEvaluator(decimalSeparator).Evaluate(text).
long double EvaluateExpression(std::string_view text, char decimalSeparator = '.');

// True when the "-" at position i of a blank-free text is a sign rather than the binary
// minus operator. binaryMinusBefore[k] tells whether an earlier "-" at k was classified as
// the operator.
bool IsUnaryMinus(std::string_view text, std::size_t i, const std::string& binaryMinusBefore,
                  char decimalSeparator);

} // namespace korva::gui
