#include "gui/controls/ExpressionEvaluator.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/ExpressionOperand.h"
#include "gui/model/NumberText.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <vector>

namespace korva::gui {
namespace {

// Working digits of intermediate results.
constexpr int kIntermediateDigits = 18;
// Operators after which a "-" is a sign; '~' stands for a binary minus.
constexpr std::string_view kSignPrefixes = "%&*+/=^|~";
constexpr char kBinaryMinus = '~';

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != b[i])
            return false;
    return true;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The character before position k as the classifier sees it: a binary minus reads as '~'.
char ClassifiedChar(std::string_view text, std::size_t k, const std::string& binaryMinus)
{
    return binaryMinus[k] ? kBinaryMinus : text[k];
}

long double Finite(long double value)
{
    if (!std::isfinite(value))
        throw EControlError::Unevaluable(EControlError::kNotFinite);
    return value;
}

std::int64_t TruncatedInteger(long double value)
{
    // 2^63: the truncated value must fit a signed 64-bit integer.
    constexpr long double kLimit = 9223372036854775808.0L;
    long double t = std::trunc(value);
    if (!(t > -kLimit - 1.0L && t < kLimit))
        throw EControlError::Unevaluable(EControlError::kNotFinite);
    return static_cast<std::int64_t>(t);
}

} // namespace

bool IsUnaryMinus(std::string_view text, std::size_t i, const std::string& binaryMinusBefore,
                  char decimalSeparator)
{
    if (i == 0)
        return true;
    std::string_view before = text.substr(0, i);
    // A sign after a function name: the whole text before it is the name, or (so that a
    // negative result of a parenthesised argument such as 1+cos(-1) still reads) the text
    // before it ends with a name that itself follows an operator.
    for (std::string_view name : kExpressionFunctionNames) {
        if (before.size() < name.size() ||
            !EqualsIgnoringCase(before.substr(before.size() - name.size()), name))
            continue;
        std::size_t nameStart = before.size() - name.size();
        if (nameStart == 0 ||
            kSignPrefixes.find(ClassifiedChar(text, nameStart - 1, binaryMinusBefore)) !=
                std::string_view::npos)
            return true;
    }
    char previous = ClassifiedChar(text, i - 1, binaryMinusBefore);
    if (kSignPrefixes.find(previous) != std::string_view::npos)
        return true;
    if (previous == 'E' || previous == 'e') {
        // Exponent of a decimal number such as 1E-5: the letter follows a digit or the
        // decimal separator of a number that is not a "$" hexadecimal integer. A lone e
        // (Euler's number), as in e-1 or 2*e-1, is followed by the binary minus.
        if (i < 2)
            return false;
        char beforeLetter = text[i - 2];
        if (!IsDigit(beforeLetter) && beforeLetter != decimalSeparator)
            return false;
        std::size_t start = i - 1;
        while (start > 0 && (std::isalnum(static_cast<unsigned char>(text[start - 1])) ||
                             text[start - 1] == decimalSeparator))
            --start;
        return !(start > 0 && text[start - 1] == '$');
    }
    return false;
}

std::string ExpressionEvaluator::ToText(long double value) const
{
    return GeneralNumberText(value, kIntermediateDigits, fDecimalSeparator);
}

long double ExpressionEvaluator::Evaluate(std::string_view input) const
{
    if (input.empty())
        throw EControlError::Unevaluable(EControlError::kBlank);
    std::string text;
    text.reserve(input.size());
    for (char c : input)
        if (c != ' ' && c != '\t')
            text += c;

    // Parentheses, innermost first: the first ")" and the last "(" before it.
    for (;;) {
        std::size_t close = text.find(')');
        if (close == std::string::npos)
            break;
        std::size_t open = text.rfind('(', close);
        if (open == std::string::npos)
            throw EControlError::Unevaluable(EControlError::kParentheses);
        long double inner = Evaluate(std::string_view(text).substr(open + 1, close - open - 1));
        text.replace(open, close - open + 1, ToText(inner));
    }
    return EvaluateWithoutParentheses(std::move(text));
}

long double ExpressionEvaluator::EvaluateWithoutParentheses(std::string text) const
{
    // Classify every "-", left to right, then split at the operators.
    std::string binaryMinus(text.size(), '\0');
    std::vector<std::string> operands(1);
    std::vector<char> operators;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool isOperator = false;
        if (c == '-') {
            if (!IsUnaryMinus(text, i, binaryMinus, fDecimalSeparator)) {
                binaryMinus[i] = 1;
                isOperator = true;
            }
        } else if (c == '^' || c == '*' || c == '/' || c == '%' || c == '&' || c == '+' ||
                   c == '=' || c == '|') {
            isOperator = true;
        }
        if (isOperator) {
            operators.push_back(c);
            operands.emplace_back();
        } else {
            operands.back() += c;
        }
    }
    // Every operator needs an operand on each side.
    for (const std::string& operand : operands)
        if (operand.empty())
            throw EControlError::Unevaluable(EControlError::kInvalidExpression);

    const std::string_view passes[] = {"^", "*/%&", "+-|", "="};
    for (std::string_view pass : passes) {
        std::size_t k = 0;
        while (k < operators.size()) {
            char op = operators[k];
            if (pass.find(op) == std::string_view::npos) {
                ++k;
                continue;
            }
            long double a = EvaluateOperand(operands[k], fDecimalSeparator);
            long double b = EvaluateOperand(operands[k + 1], fDecimalSeparator);
            std::string result;
            switch (op) {
            case '^':
                result = ToText(Finite(std::pow(a, b)));
                break;
            case '*':
                result = ToText(Finite(a * b));
                break;
            case '/':
                result = ToText(Finite(a / b));
                break;
            case '%': {
                std::int64_t ia = TruncatedInteger(a);
                std::int64_t ib = TruncatedInteger(b);
                if (ib == 0)
                    throw EControlError::Unevaluable(EControlError::kNotFinite);
                // INT64_MIN % -1 overflows in hardware; its remainder is 0.
                result = std::to_string(ib == -1 ? 0 : ia % ib);
                break;
            }
            case '&':
                result = (a != 0 && b != 0) ? "1" : "0";
                break;
            case '+':
                result = ToText(Finite(a + b));
                break;
            case '-':
                result = ToText(Finite(a - b));
                break;
            case '|':
                result = (a != 0 || b != 0) ? "1" : "0";
                break;
            default:
                result = (a == b) ? "1" : "0";
                break;
            }
            operands[k] = std::move(result);
            operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(k) + 1);
            operators.erase(operators.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }
    return EvaluateOperand(operands.front(), fDecimalSeparator);
}

long double EvaluateExpression(std::string_view text, char decimalSeparator)
{
    return ExpressionEvaluator(decimalSeparator).Evaluate(text);
}

} // namespace korva::gui
