#include "gui/main/ProfileCheck.h"

#include "gui/model/LayerTables.h"
#include "gui/model/NumberText.h"
#include "gui/model/ProgramData.h"

namespace korva::gui {

namespace {
// Line break inside a message box text.
constexpr const char* Break = "\n";
} // namespace

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
            return "Thickness of layer should be at least " +
                   GeneralNumberText(minimumThickness, 15) + unit + Break +
                   "to avoid numerical errors. " + Break + "Please check layer " +
                   std::to_string(i + 1) + " . Thickness = " + GeneralNumberText(thickness, 15) +
                   unit;
        previousBottom = input.layerBottoms[i];
    }

    const double bottom = input.layerBottoms.back();
    const double required = input.shaftLength + 2 * input.minimumDiameter;
    if (bottom < required)
        return "Depth of Bottom Layer, " + GeneralNumberText(bottom, 15) + unit + Break +
               "should be at least the shaft length plus two shaft diameters " +
               GeneralNumberText(required, 15) + unit + Break + "to perform analysis. " + Break +
               "Please check !";
    return std::nullopt;
}

ProfileCheckInput ProfileCheckInputOf(const TProgramData& project)
{
    ProfileCheckInput input;
    input.units = project.Units();
    const TGridTable& layers = project.D();
    for (int row = 0; row < layers.RowCount(); ++row)
        input.layerBottoms.push_back(
            static_cast<double>(layers.GetFloatValue(LayerColumn::Depth, row)));
    input.shaftLength = static_cast<double>(project.PD);
    input.minimumDiameter = static_cast<double>(project.DSTART);
    return input;
}

} // namespace korva::gui
