#include "engine/output/LoadTransferOutput.h"

#include "engine/methods/PhysicalConstants.h"

namespace korva {
namespace {

using methods::kQwPointCount;
using methods::kTzPointCount;
using methods::LoadLevel;
using methods::SegmentRecord;

constexpr int kSi = 2;

} // namespace

TzCurveOutput tzCurveForOutput(const methods::TzCurve& curve, int unitSystem)
{
    const bool si = unitSystem == kSi;
    TzCurveOutput out;
    out.number = curve.number;
    out.depth = si ? curve.depth_in * kMetresPerInch : curve.depth_in;
    for (int i = 0; i < kTzPointCount; ++i) {
        out.transfer[i] = si ? curve.transfer_psi[i] * kKilopascalsPerPsi : curve.transfer_psi[i];
        out.movement[i] = si ? curve.movement_in[i] * kMetresPerInch : curve.movement_in[i];
    }
    return out;
}

QwCurveOutput qwCurveForOutput(const methods::QwCurve& curve, int unitSystem)
{
    const bool si = unitSystem == kSi;
    QwCurveOutput out;
    for (int i = 0; i < kQwPointCount; ++i) {
        out.load[i] =
            si ? curve.load_lb[i] * kKilonewtonsPerPound : curve.load_lb[i] / kPoundsPerTon;
        out.movement[i] = si ? curve.movement_in[i] * kMetresPerInch : curve.movement_in[i];
    }
    return out;
}

std::vector<LoadDistributionRow> loadDistribution(const methods::LoadSettlementCurve& curve,
                                                  int unitSystem)
{
    const bool si = unitSystem == kSi;
    std::vector<LoadDistributionRow> rows;
    for (const LoadLevel& level : curve.levels) {
        for (const SegmentRecord& segment : level.segments) {
            rows.push_back({si ? segment.middleDepth_in / kInchesPerMetre
                               : segment.middleDepth_in / kInchesPerFoot,
                            si ? segment.middleLoad_lb / kPoundsPerKilonewton
                               : segment.middleLoad_lb / kPoundsPerTon,
                            segment.middleMovement_in});
        }
    }
    return rows;
}

} // namespace korva
