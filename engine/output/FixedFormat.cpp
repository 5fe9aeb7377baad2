#include "engine/output/FixedFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace korva {
namespace {

// The exact decimal value of a finite, non-negative double: 0.d1d2d3... x 10^exponent, with
// d1 != 0 (no digits at all for zero). Every binary fraction has a finite decimal expansion,
// so the digits below are exact and rounding decisions never see a pre-rounded value. The
// digits live in the object itself (309 integer digits at most, 1074 fraction digits at most),
// so that a field costs no allocation.
struct ExactDecimal
{
    std::array<char, 1501> buffer; // a free character, then the fixed text of any double
    const char* digits = nullptr;  // first significant digit, inside buffer
    int count = 0;                 // significant digits, the last one nonzero
    int exponent = 0;
};

// Writes the decimal digits of n at `out` (no leading zeros; "0" for zero); returns the end.
char* writeDigits(unsigned __int128 n, char* out)
{
    constexpr unsigned long long chunk = 10'000'000'000'000'000'000ULL; // 10^19
    if (n < chunk)
        return std::to_chars(out, out + 20, static_cast<unsigned long long>(n)).ptr;
    char* end = writeDigits(n / chunk, out);
    const auto low = static_cast<unsigned long long>(n % chunk);
    // The low 19 digits with their leading zeros.
    std::array<char, 20> text;
    char* lowEnd = std::to_chars(text.data(), text.data() + text.size(), low).ptr;
    const auto length = static_cast<int>(lowEnd - text.data());
    end = std::fill_n(end, 19 - length, '0');
    return std::copy(text.data(), lowEnd, end);
}

// The exact digits of oddMantissa * 2^binaryExponent by integer arithmetic, when they fit in
// 128 bits: an integer as it stands, a fraction with k binary places as
// oddMantissa * 5^k * 10^-k. Returns false (result untouched) when they do not fit.
bool exactDecimalByIntegers(unsigned long long oddMantissa, int binaryExponent,
                            ExactDecimal& result)
{
    unsigned __int128 n = oddMantissa;
    int fractionDigits = 0;
    const int mantissaBits = std::bit_width(oddMantissa);
    if (binaryExponent >= 0) {
        if (mantissaBits + binaryExponent > 127)
            return false;
        n <<= binaryExponent;
    } else {
        fractionDigits = -binaryExponent;
        // 5^k < 2^(2.33 k): the product fits when the bit counts add up below 128.
        if (mantissaBits + (fractionDigits * 7 + 2) / 3 > 127)
            return false;
        for (int i = 0; i < fractionDigits; ++i)
            n *= 5;
    }
    char* const first = result.buffer.data() + 1; // buffer[0] stays free for a carry
    char* last = writeDigits(n, first);
    const auto length = static_cast<int>(last - first);
    while (last[-1] == '0')
        --last;
    result.digits = first;
    result.count = static_cast<int>(last - first);
    result.exponent = length - fractionDigits;
    return true;
}

void exactDecimal(double magnitude, ExactDecimal& result)
{
    result.digits = result.buffer.data() + 1;
    result.count = 0;
    result.exponent = 0;
    if (magnitude == 0.0)
        return;
    // magnitude = mantissa * 2^binaryExponent with an odd integer mantissa: the number of
    // decimal fraction digits equals the number of binary fraction digits.
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 53));
    binaryExponent -= 53 - std::countr_zero(mantissa);
    const int fractionDigits = binaryExponent < 0 ? -binaryExponent : 0;
    if (exactDecimalByIntegers(mantissa >> std::countr_zero(mantissa), binaryExponent, result))
        return;

    // buffer[0] is kept free for a carry out of the first digit when rounding.
    char* first = result.buffer.data() + 1;
    const auto [end, ec] = std::to_chars(first, result.buffer.data() + result.buffer.size(),
                                         magnitude, std::chars_format::fixed, fractionDigits);
    if (ec != std::errc())
        return;
    // Close up the decimal point by moving the (short) integer digits one place to the right:
    // integer digits then fraction digits, with the free character in front again.
    char* const point = std::find(first, end, '.');
    const int integerDigits = static_cast<int>(point - first);
    char* last = end;
    if (point != end) {
        std::copy_backward(first, point, point + 1);
        ++first;
    }
    const char* nonZero = first;
    while (nonZero != last && *nonZero == '0')
        ++nonZero;
    if (nonZero == last)
        return;
    while (last[-1] == '0')
        --last;
    result.digits = nonZero;
    result.count = static_cast<int>(last - nonZero);
    result.exponent = integerDigits - static_cast<int>(nonZero - first);
}

// Keeps the first `keep` digits, rounding half away from zero on the exact digits that follow.
// The digits are rounded in place; a carry out of the first digit steps one place to the left,
// into the character the buffer keeps free in front of the fixed text.
void roundToDigits(ExactDecimal& number, int keep)
{
    if (number.count == 0)
        return;
    if (keep < 0) {
        number.count = 0;
        number.exponent = 0;
        return;
    }
    if (number.count <= keep)
        return;
    char* digits = number.buffer.data() + (number.digits - number.buffer.data());
    const bool roundUp = digits[keep] >= '5';
    number.count = keep;
    if (roundUp) {
        int position = keep - 1;
        while (position >= 0 && digits[position] == '9') {
            digits[position] = '0';
            --position;
        }
        if (position >= 0) {
            ++digits[position];
        } else {
            // All kept digits were nines (or none were kept): a new leading 1.
            --digits;
            *digits = '1';
            ++number.count;
            ++number.exponent;
        }
    }
    while (number.count > 0 && digits[number.count - 1] == '0')
        --number.count;
    if (number.count == 0)
        number.exponent = 0;
    number.digits = digits;
}

char digitAt(const ExactDecimal& number, int index)
{
    if (index < 0 || index >= number.count)
        return '0';
    return number.digits[index];
}

// Right-aligned text of `length` characters in a field of `width` (length <= width): the blanks
// in front are set, the text is written from `next` on.
struct FieldWriter
{
    std::string text;
    char* next;

    FieldWriter(int width, int length)
        : text(static_cast<std::size_t>(width), ' '), next(text.data() + (width - length))
    {
    }
    void push(char c) { *next++ = c; }
};

std::string stars(int width)
{
    return std::string(static_cast<std::size_t>(std::max(width, 0)), '*');
}

std::string rightAlign(std::string_view text, int width)
{
    if (static_cast<int>(text.size()) > width)
        return stars(width);
    std::string result(static_cast<std::size_t>(width), ' ');
    text.copy(result.data() + (width - static_cast<int>(text.size())), text.size());
    return result;
}

// A value that is not finite has no digits to show: the field is filled with asterisks, as
// for a value that does not fit. The writers replace such values by zero with a case note
// before they get here; this keeps "NaN" and "Infinity" out of every file regardless.
std::string nonFinite(int width)
{
    return stars(width);
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
        return nonFinite(width);
    decimals = std::max(decimals, 0);
    ExactDecimal number;
    exactDecimal(std::fabs(value), number);
    roundToDigits(number, number.exponent + decimals);

    // sign, integer digits ("0" when none), point, decimals
    const bool negative = std::signbit(value);
    const bool noIntegerDigits = number.exponent <= 0;
    const int length = (negative ? 1 : 0) + (noIntegerDigits ? 1 : number.exponent) + 1 + decimals;
    // The optional leading zero goes when the field is one column short.
    const bool dropZero = length > width && noIntegerDigits && decimals > 0;
    if (length - (dropZero ? 1 : 0) > width)
        return stars(width);
    FieldWriter text(width, length - (dropZero ? 1 : 0));
    if (negative)
        text.push('-');
    if (noIntegerDigits) {
        if (!dropZero)
            text.push('0');
    } else {
        for (int i = 0; i < number.exponent; ++i)
            text.push(digitAt(number, i));
    }
    text.push('.');
    for (int i = 0; i < decimals; ++i)
        text.push(digitAt(number, number.exponent + i));
    return std::move(text.text);
}

std::string formatE(double value, int width, int decimals)
{
    if (width <= 0)
        return {};
    if (!std::isfinite(value))
        return nonFinite(width);
    decimals = std::max(decimals, 0);
    ExactDecimal number;
    exactDecimal(std::fabs(value), number);
    roundToDigits(number, decimals);

    const int exponent = number.count == 0 ? 0 : number.exponent;
    const int exponentMagnitude = std::abs(exponent);
    if (exponentMagnitude > 999)
        return stars(width);
    const char exponentSign = exponent < 0 ? '-' : '+';
    const bool negative = std::signbit(value);
    // sign, "0.", mantissa, exponent ("E+dd" or "+ddd")
    const int length = (negative ? 1 : 0) + 2 + decimals + 4;
    if (length - 1 > width)
        return stars(width);
    FieldWriter text(width, length <= width ? length : length - 1);
    if (negative)
        text.push('-');
    if (length <= width)
        text.push('0');
    text.push('.');
    for (int i = 0; i < decimals; ++i)
        text.push(digitAt(number, i));
    if (exponentMagnitude <= 99) {
        text.push('E');
        text.push(exponentSign);
        text.push(static_cast<char>('0' + exponentMagnitude / 10));
        text.push(static_cast<char>('0' + exponentMagnitude % 10));
    } else {
        text.push(exponentSign);
        text.push(static_cast<char>('0' + exponentMagnitude / 100));
        text.push(static_cast<char>('0' + exponentMagnitude / 10 % 10));
        text.push(static_cast<char>('0' + exponentMagnitude % 10));
    }
    return std::move(text.text);
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

std::string shortestNumber(float value)
{
    // The plot file is read back as numbers: a value that is not finite is written as 0.
    if (!std::isfinite(value))
        return "0";
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc())
        return "0";
    return std::string(buffer.data(), end);
}

std::string freeFormat(float value)
{
    return " " + shortestNumber(value);
}

std::string freeFormat(long value)
{
    return " " + std::to_string(value);
}

} // namespace korva
