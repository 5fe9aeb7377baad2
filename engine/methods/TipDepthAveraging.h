#pragma once
#include <span>

#include "engine/methods/MethodWarnings.h"

namespace korva::methods {

struct AveragedTip
{
    float tip_tons = 0.0f;
    MethodWarnings warnings; // TipZoneIncomplete when the zone reaches past the tables
};

// Tip resistance of a shaft from the stored per-depth slice tips below its base. The zone is
// n = int(2 Db) depths starting at firstIndex (the first 1-ft depth below the base); the value
// at zone depth j has the weight w(h), h = j/n: 1.2 h for h <= 0.5, 0.4 (2 - h) beyond, and
// the result is sum(w Q) / sum(w). When the first depth of the zone is not a strong-rock
// slice, a strong-rock depth in the zone counts with the last value met in the zone that was
// not strong rock. A stem diameter below 1 ft takes the value at firstIndex alone.
// Depths past the end of the tables are left out (flag TipZoneIncomplete); a zone without
// weight takes the value at firstIndex; no value at all gives 0.
AveragedTip depthAveragedTip_tons(std::span<const float> sliceTip_tons,
                                  std::span<const bool> strongRockSlice, int firstIndex,
                                  float baseDiameter_ft, float stemDiameter_ft);

} // namespace korva::methods
