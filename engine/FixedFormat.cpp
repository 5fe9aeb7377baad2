#include "engine/FixedFormat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace korva {
namespace {

// The exact decimal value of a finite, non-negative double: 0.d1d2d3... x 10^exponent, with
// d1 != 0 (no digits at all for zero). Every binary fraction has a finite decimal expansion,
// so the digits below are exact and rounding decisions never see a pre-rounded value.
struct ExactDecimal
{
    std::string digits;
    int exponent = 0;
};

ExactDecimal exactDecimal(double magnitude)
{
    ExactDecimal result;
    if (magnitude == 0.0)
        return result;
    // magnitude = mantissa * 2^binaryExponent with an odd integer mantissa: the number of
    // decimal fraction digits equals the number of binary fraction digits.
    int binaryExponent = 0;
    double fraction = std::frexp(magnitude, &binaryExponent);
    auto mantissa = static_cast<long long>(std::ldexp(fraction, 53));
    binaryExponent -= 53;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++binaryExponent;
    }
    const int fractionDigits = binaryExponent < 0 ? -binaryExponent : 0;

    // 309 integer digits at most, 1074 fraction digits at most.
    std::array<char, 1500> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, fractionDigits);
    if (ec != std::errc())
        return result;
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = text.find('.');
    std::string integerPart(text.substr(0, point));
    std::string fractionPart =
        point == std::string_view::npos ? "" : std::string(text.substr(point + 1));
    std::string all = integerPart + fractionPart;
    int pointPosition = static_cast<int>(integerPart.size());
    std::size_t firstNonZero = all.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return result;
    result.digits = all.substr(firstNonZero);
    result.exponent = pointPosition - static_cast<int>(firstNonZero);
    std::size_t lastNonZero = result.digits.find_last_not_of('0');
    result.digits.resize(lastNonZero + 1);
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero on the exact digits that follow.
void roundToDigits(ExactDecimal& number, int keep)
{
    if (number.digits.empty())
        return;
    if (keep < 0) {
        number.digits.clear();
        number.exponent = 0;
        return;
    }
    if (static_cast<int>(number.digits.size()) <= keep)
        return;
    const bool roundUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int position = keep - 1;
        while (position >= 0 && number.digits[static_cast<std::size_t>(position)] == '9') {
            number.digits[static_cast<std::size_t>(position)] = '0';
            --position;
        }
        if (position >= 0) {
            ++number.digits[static_cast<std::size_t>(position)];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.exponent;
        }
    }
    std::size_t lastNonZero = number.digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos) {
        number.digits.clear();
        number.exponent = 0;
    } else {
        number.digits.resize(lastNonZero + 1);
    }
}

char digitAt(const ExactDecimal& number, int index)
{
    if (index < 0 || index >= static_cast<int>(number.digits.size()))
        return '0';
    return number.digits[static_cast<std::size_t>(index)];
}

std::string stars(int width)
{
    return std::string(static_cast<std::size_t>(std::max(width, 0)), '*');
}

std::string rightAlign(const std::string& text, int width)
{
    if (static_cast<int>(text.size()) > width)
        return stars(width);
    return blanks(width - static_cast<int>(text.size())) + text;
}

// Text of a value that is not finite; asterisks when it does not fit.
std::string nonFinite(double value, int width)
{
    if (std::isnan(value))
        return rightAlign("NaN", width);
    std::string sign = value < 0 ? "-" : "";
    if (static_cast<int>(sign.size()) + 8 <= width)
        return rightAlign(sign + "Infinity", width);
    return rightAlign(sign + "Inf", width);
}

} // namespace

std::string blanks(int n)
{
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

std::string padRight(std::string_view text, int n)
{
    if (n <= 0)
        return {};
    std::string result(text.substr(0, static_cast<std::size_t>(n)));
    result.append(static_cast<std::size_t>(n) - result.size(), ' ');
    return result;
}

std::string formatF(double value, int width, int decimals)
{
    if (width <= 0)
        return {};
    if (!std::isfinite(value))
        return nonFinite(value, width);
    decimals = std::max(decimals, 0);
    ExactDecimal number = exactDecimal(std::fabs(value));
    roundToDigits(number, number.exponent + decimals);

    std::string integerPart;
    for (int i = 0; i < number.exponent; ++i)
        integerPart += digitAt(number, i);
    std::string fractionPart;
    for (int i = 0; i < decimals; ++i)
        fractionPart += digitAt(number, number.exponent + i);

    const std::string sign = std::signbit(value) ? "-" : "";
    std::string text = sign + (integerPart.empty() ? "0" : integerPart) + "." + fractionPart;
    if (static_cast<int>(text.size()) > width && integerPart.empty() && decimals > 0)
        text = sign + "." + fractionPart;
    return rightAlign(text, width);
}

std::string formatE(double value, int width, int decimals)
{
    if (width <= 0)
        return {};
    if (!std::isfinite(value))
        return nonFinite(value, width);
    decimals = std::max(decimals, 0);
    ExactDecimal number = exactDecimal(std::fabs(value));
    roundToDigits(number, decimals);

    std::string mantissa;
    for (int i = 0; i < decimals; ++i)
        mantissa += digitAt(number, i);
    const int exponent = number.digits.empty() ? 0 : number.exponent;
    const int exponentMagnitude = std::abs(exponent);
    std::string exponentText;
    const char exponentSign = exponent < 0 ? '-' : '+';
    if (exponentMagnitude <= 99) {
        exponentText = std::string("E") + exponentSign + (exponentMagnitude < 10 ? "0" : "") +
                       std::to_string(exponentMagnitude);
    } else if (exponentMagnitude <= 999) {
        exponentText = std::string(1, exponentSign) + std::to_string(exponentMagnitude);
    } else {
        return stars(width);
    }

    const std::string sign = std::signbit(value) ? "-" : "";
    std::string text = sign + "0." + mantissa + exponentText;
    if (static_cast<int>(text.size()) > width)
        text = sign + "." + mantissa + exponentText;
    return rightAlign(text, width);
}

std::string formatI(long value, int width)
{
    return formatI(value, width, 1);
}

std::string formatI(long value, int width, int minDigits)
{
    if (width <= 0)
        return {};
    if (value == 0 && minDigits == 0)
        return blanks(width);
    std::string digits =
        std::to_string(value < 0 ? -static_cast<long long>(value) : static_cast<long long>(value));
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return rightAlign((value < 0 ? "-" : "") + digits, width);
}

std::string freeFormat(float value)
{
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc())
        return " 0";
    return " " + std::string(buffer.data(), end);
}

std::string freeFormat(long value)
{
    return " " + std::to_string(value);
}

} // namespace korva
