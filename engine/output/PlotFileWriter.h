#pragma once
// Case blocks of the plot data file: the header (case count, depth-row count, curve code),
// the two fixed depth rows, the capacity rows and the load-settlement curves.
#include <array>
#include <ostream>
#include <span>

#include "engine/analysis/CapacityRows.h"
#include "engine/deck/InputDeck.h"
#include "engine/methods/LoadSettlementSolution.h"

namespace korva {

inline constexpr int kCurvePointCount = 15;
using SettlementCurve = std::array<methods::SettlementPoint, kCurvePointCount>;

// The load-settlement curves of the run as the plot file takes them (report units): curve 1
// trend, 2 upper bound, 3 lower bound. A soil-tip case fills all three; a socket case fills
// curve 1 and leaves curves 2 and 3 as the latest soil-tip case left them.
struct CurveTable
{
    std::array<SettlementCurve, 3> curves{};
};

struct CaseBlock
{
    int caseCount = 0;                 // NC of the header
    std::span<const CapacityRow> rows; // working units
    int curveCode = 0;                 // NB: 0 before the first soil-tip case, then 3
    const CurveTable* curves = nullptr;
};

struct CaseBlockSettings
{
    bool si = false;
    bool lrfd = false;
    bool uplift = false;
    float sideSafetyFactor = 1.0f; // FST
    float baseSafetyFactor = 1.0f; // FSB (1 in uplift)
};

// The case count the header of a case states: the diameters of the series (of the design-chart
// series, at most its 20 diameters), or in multiple-length runs the lengths still to come
// from the case's length on (at most the 100 lengths analysed).
int plotCaseCount(const InputDeck& deck, float caseLength_ft, int lengthNumber);

// Whether a case gets a block: every case of a multiple-length run, otherwise the cases of the
// first length.
bool writesCaseBlock(const InputDeck& deck, int lengthNumber);

void writeCaseBlock(std::ostream& plot, const CaseBlock& block, const CaseBlockSettings& settings);

} // namespace korva
