#pragma once
#include <array>
#include <vector>

#include "engine/methods/LoadSettlementSolution.h"
#include "engine/methods/QwCurve.h"
#include "engine/methods/TzCurves.h"

// Load-transfer curves and the load distribution in the units they are written in: English
// runs (unitSystem 1) keep inches, psi and pounds for the t-z curves and write base loads in
// tons; SI runs (2) write metres, kPa and kN.
namespace korva {

struct TzCurveOutput
{
    int number = 0;
    int pointCount = methods::kTzPointCount;
    float depth = 0.0f;                                   // in or m
    std::array<float, methods::kTzPointCount> transfer{}; // psi or kPa
    std::array<float, methods::kTzPointCount> movement{}; // in or m
};

struct QwCurveOutput
{
    int pointCount = methods::kQwPointCount;
    std::array<float, methods::kQwPointCount> load{};     // tons or kN
    std::array<float, methods::kQwPointCount> movement{}; // in or m
};

// One line of the load distribution: a segment's middle depth (ft or m), the load at its
// middle (tons or kN) and its middle movement (in, in both unit systems).
struct LoadDistributionRow
{
    float depth = 0.0f;
    float load = 0.0f;
    float movement_in = 0.0f;
};

TzCurveOutput tzCurveForOutput(const methods::TzCurve& curve, int unitSystem);
QwCurveOutput qwCurveForOutput(const methods::QwCurve& curve, int unitSystem);

// The 15 levels one after the other, each with one row per segment from the base up.
std::vector<LoadDistributionRow> loadDistribution(const methods::LoadSettlementCurve& curve,
                                                  int unitSystem);

} // namespace korva
