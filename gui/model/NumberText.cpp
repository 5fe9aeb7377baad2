#include "gui/model/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace korva::gui {

std::string GeneralNumberText(long double value, int significantDigits, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0.0L)
        return "0";
    significantDigits = std::clamp(significantDigits, 1, 18);

    // Round to the wanted number of significant digits first: the rounded value decides the
    // notation (99999999.7 becomes 1E8).
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t ePos = text.find('e');
    std::string_view mantissa = text.substr(0, ePos);
    int exponent = 0;
    const std::string_view exponentText = text.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    const bool negative = mantissa.front() == '-';
    if (negative)
        mantissa.remove_prefix(1);
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < significantDigits) {
        if (exponent < 0) {
            out += '0';
            out += decimalSeparator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                out += digits;
                out.append(integerDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, integerDigits);
                out += decimalSeparator;
                out += digits.substr(integerDigits);
            }
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += decimalSeparator;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

std::string IntegerNumberText(long long value)
{
    return std::to_string(value);
}

std::optional<long double> ParseDecimal(std::string_view text, char decimalSeparator)
{
    std::string normal;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        normal += text[i++];
    int mantissaDigits = 0;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            normal += c;
            ++mantissaDigits;
        } else if (c == decimalSeparator && !separatorSeen) {
            normal += '.';
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            normal += text[i++];
        int exponentDigits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++exponentDigits)
            normal += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    // from_chars takes no leading '+'.
    const char* first = normal.data();
    if (*first == '+')
        ++first;
    long double value = 0;
    auto [ptr, ec] = std::from_chars(first, normal.data() + normal.size(), value);
    if (ec != std::errc() || ptr != normal.data() + normal.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace korva::gui
