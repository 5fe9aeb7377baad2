#include "gui/views/ViewNumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace korva::gui {

namespace {

std::string Format(double value, std::chars_format format, int precision)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

} // namespace

std::string FixedText(double value, int decimals)
{
    // A negative zero from rounding reads as plain zero.
    std::string text = Format(value, std::chars_format::fixed, decimals);
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string SceneNumberLabel(double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude <= 0.001 || magnitude >= 100000.0)
        return Format(value, std::chars_format::scientific, 3);
    return FixedText(value, 3);
}

} // namespace korva::gui
