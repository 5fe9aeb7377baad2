#pragma once

#include <cstdint>
#include <string>

#include "engine/analysis/CapacityAnalysis.h"

namespace korva {

// Units and design method of the figures of a summary.
struct SummaryUnits
{
    bool si = false;
    bool lrfd = false;
    bool uplift = false; // the base column holds the shaft weight WT
};

// A figure for a person: fixed decimals, "." whatever the locale; "n/a" for a value that is not
// a finite number.
std::string summaryFigure(float value, int decimals);

// One line per case for a person at a terminal: diameter, final length, QS, QB (WT in uplift), QU
// and the allowable (ASD, QDN) or factored (LRFD QU) capacity, in the project's units.
std::string runSummaryText(const AnalysisSummary& summary, SummaryUnits units, int32_t status);

// The same as one JSON document (numbers with "." whatever the locale; non-finite values are
// written as null).
std::string runSummaryJson(const AnalysisSummary& summary, SummaryUnits units, int32_t status);

} // namespace korva
