#include "engine/analysis/FiniteGuard.h"

#include "engine/output/ReportCase.h"

#include <cmath>
#include <string>
#include <vector>

namespace korva {
namespace {

template <typename Range> bool replaceAll(Range& values)
{
    bool replaced = false;
    for (float& v : values)
        replaced |= replaceNonFinite(v);
    return replaced;
}

bool guardSegment(methods::SegmentRecord& s)
{
    bool replaced = false;
    for (float* v : {&s.lowerDepth_in, &s.lowerLoad_lb, &s.lowerMovement_in, &s.middleDepth_in,
                     &s.transfer_psi, &s.loadIncrement_lb, &s.middleLoad_lb, &s.compression_in,
                     &s.middleMovement_in})
        replaced |= replaceNonFinite(*v);
    return replaced;
}

bool guardLevel(methods::LoadLevel& level)
{
    bool replaced = false;
    for (float* v : {&level.baseMovement_in, &level.baseLoad_lb, &level.headDepth_in,
                     &level.headLoad_lb, &level.headMovement_in})
        replaced |= replaceNonFinite(*v);
    for (methods::SegmentRecord& s : level.segments)
        replaced |= guardSegment(s);
    return replaced;
}

} // namespace

bool replaceNonFinite(float& value)
{
    if (std::isfinite(value))
        return false;
    value = 0.0f;
    return true;
}

bool replaceNonFinite(methods::TzCurve& curve)
{
    bool replaced = replaceNonFinite(curve.depth_in);
    replaced |= replaceAll(curve.movement_in);
    replaced |= replaceAll(curve.transfer_psi);
    return replaced;
}

bool replaceNonFinite(methods::LoadSettlementCurve& curve)
{
    bool replaced = false;
    for (methods::TzCurve& tz : curve.tzCurves)
        replaced |= replaceNonFinite(tz);
    replaced |= replaceAll(curve.qwCurve.movement_in);
    replaced |= replaceAll(curve.qwCurve.load_lb);
    for (methods::LoadLevel& level : curve.levels)
        replaced |= guardLevel(level);
    return replaced;
}

bool replaceNonFinite(std::span<methods::ChartSettlementResult> results)
{
    bool replaced = false;
    for (methods::ChartSettlementResult& r : results) {
        for (float* v : {&r.headSettlement_in, &r.baseDiameter_in, &r.baseArea_in2,
                         &r.baseMovement_in, &r.topSegmentMiddleDepth_in,
                         &r.topSegmentMiddleLoad_lb, &r.topSegmentMiddleMovement_in})
            replaced |= replaceNonFinite(*v);
        replaced |= guardLevel(r.level);
    }
    return replaced;
}

void writeNonFiniteLoadSettlementNote(std::ostream& out)
{
    const std::vector<std::string> lines{"A LOAD-SETTLEMENT VALUE OF THIS CASE WAS NOT A FINITE",
                                         "NUMBER (A DIVISION BY ZERO OR AN OVERFLOW); IT WAS TAKEN",
                                         "AS ZERO.  PLEASE CHECK THE SHAFT AND LAYER DATA."};
    writeAnalysisWarning(out, lines);
}

} // namespace korva
