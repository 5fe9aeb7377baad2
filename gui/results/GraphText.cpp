#include "gui/results/GraphText.h"

#include <algorithm>
#include <cmath>

namespace korva::gui {

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

} // namespace korva::gui
