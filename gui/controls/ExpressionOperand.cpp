#include "gui/controls/ExpressionOperand.h"

#include "gui/controls/ControlError.h"
#include "gui/model/NumberText.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace korva::gui {
namespace {

constexpr long double kPi = 3.1415926535897932385L;
constexpr long double kEuler = 2.7182818284590452354L;
// The largest n whose factorial stays inside the extended range.
constexpr long double kLargestFactorialArgument = 1754.0L;

long double Finite(long double value)
{
    if (!std::isfinite(value))
        throw EControlError::Unevaluable(EControlError::kNotFinite);
    return value;
}

long double ApplyFunction(std::size_t index, long double x)
{
    switch (index) {
    case 0:
        return std::atanh(x);
    case 1:
        return std::atan(x);
    case 2:
        return 1.0L / std::tan(x);
    case 3:
        return std::tanh(x);
    case 4:
        return std::tan(x);
    case 5:
        return std::acosh(x);
    case 6:
        return std::acos(x);
    case 7:
        return std::cosh(x);
    case 8:
        return std::cos(x);
    case 9:
        return 1.0L / std::cos(x);
    case 10:
        return std::asinh(x);
    case 11:
        return std::asin(x);
    case 12:
        return std::sinh(x);
    case 13:
        return std::sin(x);
    case 14:
        return 1.0L / std::sin(x);
    case 15:
        return std::fabs(x);
    case 16:
        return x - std::trunc(x);
    case 17:
        return std::trunc(x);
    case 18:
        return std::log(x);
    case 19:
        return std::nearbyint(x); // default rounding mode: halves go to the even neighbour
    case 20:
        return std::ceil(x);
    case 21:
        return std::floor(x);
    case 22:
        return std::log10(x);
    default:
        return std::sqrt(x);
    }
}

long double Factorial(long double n)
{
    if (n != std::trunc(n))
        throw EControlError::Unevaluable(EControlError::kFactorial);
    long double magnitude = std::fabs(n);
    if (magnitude > kLargestFactorialArgument)
        throw EControlError::Unevaluable(EControlError::kNotFinite);
    long double product = 1.0L;
    for (long double k = 2.0L; k <= magnitude; k += 1.0L)
        product *= k;
    return n < 0 ? -product : product;
}

long double Hexadecimal(std::string_view digits)
{
    // At most 16 hex digits, so the value fits an unsigned 64-bit integer.
    if (digits.empty() || digits.size() > 16)
        throw EControlError::Unevaluable(EControlError::kHex);
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            throw EControlError::Unevaluable(EControlError::kHex);
        value = value * 16 + static_cast<std::uint64_t>(digit);
    }
    return static_cast<long double>(value);
}

std::string DeleteDoubleMinus(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '-') {
            ++i;
            continue;
        }
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    }
    return out;
}

} // namespace

long double EvaluateOperand(std::string_view operand, char decimalSeparator)
{
    // A run of "-" keeps at most one after the pairs are deleted, so the rest of a function
    // name or a factorial needs no second deletion; the chain is unrolled into a list of
    // pending steps so that long chains cannot exhaust the stack.
    std::string text = DeleteDoubleMinus(operand);
    enum class Step { Function, Factorial };
    struct Pending
    {
        Step step;
        std::size_t function;
    };
    std::vector<Pending> pending;
    std::string_view rest = text;
    long double value = 0;
    for (;;) {
        if (rest == "pi") {
            value = kPi;
            break;
        }
        if (rest == "-pi") {
            value = -kPi;
            break;
        }
        if (rest == "e") {
            value = kEuler;
            break;
        }
        if (rest == "-e") {
            value = -kEuler;
            break;
        }
        bool isFunction = false;
        for (std::size_t f = 0; f < kExpressionFunctionNames.size(); ++f) {
            if (rest.starts_with(kExpressionFunctionNames[f])) {
                pending.push_back({Step::Function, f});
                rest.remove_prefix(kExpressionFunctionNames[f].size());
                isFunction = true;
                break;
            }
        }
        if (isFunction)
            continue;
        if (rest.ends_with('!')) {
            pending.push_back({Step::Factorial, 0});
            rest.remove_suffix(1);
            continue;
        }
        if (rest.starts_with('$')) {
            value = Hexadecimal(rest.substr(1));
            break;
        }
        auto number = ParseDecimal(rest, decimalSeparator);
        if (!number)
            throw EControlError::Unevaluable(EControlError::kInvalidCharacters);
        value = *number;
        break;
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        if (it->step == Step::Factorial)
            value = Factorial(value);
        else
            value = Finite(ApplyFunction(it->function, value));
    }
    return value;
}

} // namespace korva::gui
