#pragma once
// The load-settlement curves and design-chart values of a run as JSON members for the
// command line's document.
#include <string>

#include "engine/analysis/CapacityAnalysis.h"

namespace korva {

// Members to append to the run summary's JSON object, each starting with ", " (none when no
// case was analysed):
//   "loadSettlement": [{"case": 1, "trend": [[top load, top movement, tip load, tip
//   movement], ... 15 points], "upperBound": [...], "lowerBound": [...]}, ...] (a socket case
//   has "trend" only, a case without a curve none), and, in design-chart runs,
//   "designChart": {"settlements": [...], "diameters": [...], "lengths": [...],
//   "loads": [[[...] per length] per diameter] per settlement}.
std::string loadSettlementJsonMembers(const AnalysisSummary& summary);

} // namespace korva
