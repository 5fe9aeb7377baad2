#include "gui/controls/ExpressionNumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace korva {

std::string FormatGeneral(long double value, int significantDigits, char decimalSeparator)
{
    if (significantDigits < 1)
        significantDigits = 1;
    if (value == 0.0L || !std::isfinite(value))
        return value == 0.0L ? "0" : (std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF"));

    // Round to the wanted number of significant digits through the scientific form.
    char buffer[128];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific, significantDigits - 1);
    if (ec != std::errc())
        return "0";
    std::string sci(buffer, end);

    bool negative = sci[0] == '-';
    std::size_t pos = negative ? 1 : 0;
    std::string digits;
    std::size_t ePos = sci.find('e');
    for (std::size_t i = pos; i < ePos; ++i)
        if (sci[i] != '.')
            digits += sci[i];
    int exponent = std::atoi(sci.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    // Number of digits before the decimal point in fixed notation.
    int integerDigits = exponent + 1;
    if (integerDigits > significantDigits || integerDigits < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(exponent);
        return out;
    }
    if (integerDigits <= 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-integerDigits), '0');
        out += digits;
        return out;
    }
    if (digits.size() <= static_cast<std::size_t>(integerDigits)) {
        out += digits;
        out.append(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
        return out;
    }
    out.append(digits, 0, static_cast<std::size_t>(integerDigits));
    out += decimalSeparator;
    out.append(digits, static_cast<std::size_t>(integerDigits), std::string::npos);
    return out;
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

} // namespace korva
