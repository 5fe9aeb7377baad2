#include "gui/results/GraphText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    std::size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

// Replaces the first of the codes (in order) that occurs in the text, every occurrence of it.
void SubstituteFirstPresent(std::string& text, const std::string_view (&codes)[3],
                            const std::string_view (&words)[3])
{
    for (int i = 0; i < 3; ++i) {
        if (text.find(codes[i]) != std::string::npos) {
            ReplaceAll(text, codes[i], words[i]);
            return;
        }
    }
}

} // namespace

std::string GraphUnitText(std::string_view code, int units)
{
    std::string text(code);
    if (units != 1 && units != 2)
        return text;
    const bool si = units == 2;
    constexpr std::string_view forceCodes[3] = {"F2", "F1", "F"};
    constexpr std::string_view lengthCodes[3] = {"L2", "L1", "L"};
    const std::string_view forceWords[3] = {si ? "kN" : "tons", si ? "kN" : "kips",
                                            si ? "kN" : "lbs"};
    const std::string_view lengthWords[3] = {si ? "m" : "ft", si ? "mm" : "in", si ? "m" : "in"};
    SubstituteFirstPresent(text, forceCodes, forceWords);
    SubstituteFirstPresent(text, lengthCodes, lengthWords);
    return text;
}

std::string GraphAxisCaption(std::string_view caption, std::string_view unitCode, int units)
{
    std::string text(caption);
    if (!unitCode.empty())
        text += " (" + GraphUnitText(unitCode, units) + ")";
    return text;
}

std::string FormatGeneral(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? "0" : (std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"));
    digits = std::clamp(digits, 1, 17);
    // to_chars does not depend on the locale.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string text(buffer, result.ptr);
    // Exponent as E-5 / E20: no plus sign, no leading zeros.
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        const bool negative = exponent.front() == '-';
        if (exponent.front() == '-' || exponent.front() == '+')
            exponent.erase(0, 1);
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        text = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    return text;
}
