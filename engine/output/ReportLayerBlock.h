#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/deck/InputDeck.h"
#include "engine/deck/LayerEstimates.h"

namespace korva {

// Everything a layer block of the report's soil information needs besides the layer.
struct LayerBlockSettings
{
    bool si = false;
    bool lrfd = false;
};

// The block of one layer in the report's soil information: title, the values at the top and
// at the bottom in the project's units, the LRFD factors, and the layer's input warnings
// (clay strength too high for clay criteria, gravel blow counts outside the criterion).
// layerNumber counts from 1.
std::vector<std::string> layerBlockLines(const SoilLayer& layer, int layerNumber,
                                         const LayerEstimate& estimate,
                                         const LayerBlockSettings& settings);

// True when the undrained shear strength at the top or bottom reaches 2.5 atmospheres.
bool clayStrengthMayBeTooHigh(const SoilLayer& layer);

} // namespace korva

namespace korva {

// Soil information of the report: heading, one block per layer, and the note on estimated
// values when any value was estimated.
void writeSoilInformation(std::ostream& out, const InputDeck& deck, const LayerEstimates& estimates,
                          const LayerBlockSettings& settings);

} // namespace korva
