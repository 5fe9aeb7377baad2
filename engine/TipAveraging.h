#pragma once

#include "engine/DepthTables.h"

namespace korva {

// Tip resistance (tons) of a shaft whose base sits at table index baseIndex: the weighted
// average of the slice tips at the n = int(2 DB) indices below it. The weight rises linearly
// from 0 to 0.6 one base diameter below the base and falls to 0.4 at two diameters. When the
// first depth of the zone is not a strong-rock slice, a strong-rock slice inside the zone takes
// the last non-rock value met instead of its own, so that a thin hard layer below a soil base
// does not lift the soil's tip. A stem narrower than 1 ft takes the first depth below the base.
// Indices beyond the tables are not read.
float averagedTipResistance(const DepthTables& tables, int baseIndex, int averagingDepths,
                            float stemDiameter_ft);

} // namespace korva
