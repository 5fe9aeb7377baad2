#pragma once
#include <optional>
#include <string>
#include <vector>

namespace korva::gui {

// What the profile check needs of a project.
struct ProfileCheckInput
{
    int units = 1;                    // 1 English (ft), 2 SI (m)
    std::vector<double> layerBottoms; // bottom depth of each layer, from the surface down
    double shaftLength = 0;           // PD: specified shaft length, 0 with a design load
    double minimumDiameter = 0;       // DSTART
};

// Checks the soil profile against the shaft before a run. Returns the warning to show when
// the profile cannot be analysed, nothing when it can:
// - no layer at all (the profile has no bottom to compare with the shaft);
// - a layer thinner than 2 ft (0.6 m), which makes the slice integration unstable;
// - a bottom layer shallower than the shaft length plus two minimum diameters.
std::optional<std::string> CheckProfile(const ProfileCheckInput& input);

class TProgramData;
// The layer bottoms, shaft length and minimum diameter of a project.
ProfileCheckInput ProfileCheckInputOf(const TProgramData& project);

} // namespace korva::gui
