#pragma once

#include <string>
#include <string_view>

namespace korva::gui {

// Unit text of a graph unit code: "F2" tons/kN, "F1" kips/kN, "F" lbs/kN, "L2" ft/m,
// "L1" in/mm, "L" in/m, for units 1 (English) and 2 (SI); units 3 shows the code unchanged.
std::string GraphUnitText(std::string_view code, int units);

// Axis caption as drawn: the caption, then " (" unit text ")" when the code is not empty.
std::string GraphAxisCaption(std::string_view caption, std::string_view unitCode, int units);

} // namespace korva::gui
