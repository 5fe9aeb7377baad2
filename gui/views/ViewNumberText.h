#pragma once

#include <string>

namespace korva::gui {

// Fixed-point text with `decimals` decimals and "." as separator, whatever the locale.
std::string FixedText(double value, int decimals);

// Number label of the 3-D view: exponent form with 4 significant digits ("1.235E+05") when
// |v| <= 0.001 or |v| >= 100000, otherwise fixed form with 3 decimals.
std::string SceneNumberLabel(double value);

} // namespace korva::gui
