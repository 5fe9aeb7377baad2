#pragma once
// Finite guard of the numbers the engine writes. A value that is not finite (a division by
// zero, an overflow of single precision) is never printed as "NaN" or "Infinity": the guard
// replaces it by zero before it reaches a writer and tells the caller, who adds a case note.
#include "engine/methods/LoadSettlementSolution.h"
#include "engine/methods/TzCurves.h"

#include <ostream>
#include <span>

namespace korva {

// Replaces a value that is not finite by 0; returns whether it did.
bool replaceNonFinite(float& value);

// Every number of a load-settlement solution (levels, segments, t-z and Q-w curves), of an
// additional t-z curve and of design-chart settlement results; returns whether one was
// replaced.
bool replaceNonFinite(methods::LoadSettlementCurve& curve);
bool replaceNonFinite(methods::TzCurve& curve);
bool replaceNonFinite(std::span<methods::ChartSettlementResult> results);

// The case note of a non-finite load-settlement value, framed as the analysis' own warnings.
void writeNonFiniteLoadSettlementNote(std::ostream& out);

} // namespace korva
