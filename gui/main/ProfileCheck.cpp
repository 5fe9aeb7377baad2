#include "gui/main/ProfileCheck.h"

#include <cstdio>

namespace korva::gui {

namespace {
// Line break inside a message box text.
constexpr const char* Break = "\n";
} // namespace

std::string ShortestReal(double value)
{
    char buffer[40];
    // %g with 15 digits is locale-independent here: the program never changes the C locale.
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::optional<std::string> CheckProfile(const ProfileCheckInput& input)
{
    const bool si = input.units == 2;
    const double minimumThickness = si ? 0.6 : 2.0;
    const std::string unit = si ? " m" : " ft";

    if (input.layerBottoms.empty())
        return std::string("The soil profile has no layers.") + Break +
               "Please enter at least one soil layer before running the analysis.";

    double previousBottom = 0;
    for (std::size_t i = 0; i < input.layerBottoms.size(); ++i) {
        const double thickness = input.layerBottoms[i] - previousBottom;
        if (minimumThickness > thickness)
            return "Thickness of layer should be at least " + ShortestReal(minimumThickness) +
                   unit + Break + "to avoid numerical errors. " + Break + "Please check layer " +
                   std::to_string(i + 1) + " . Thickness = " + ShortestReal(thickness) + unit;
        previousBottom = input.layerBottoms[i];
    }

    const double bottom = input.layerBottoms.back();
    const double required = input.shaftLength + 2 * input.minimumDiameter;
    if (bottom < required)
        return "Depth of Bottom Layer, " + ShortestReal(bottom) + unit + Break +
               "should be at least the shaft length plus two shaft diameters " +
               ShortestReal(required) + unit + Break + "to perform analysis. " + Break +
               "Please check !";
    return std::nullopt;
}

} // namespace korva::gui
