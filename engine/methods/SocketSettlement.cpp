#include "engine/methods/SocketSettlement.h"

#include "engine/methods/PhysicalConstants.h"

namespace korva::methods {
namespace {

constexpr int kSi = 2;

} // namespace

SettlementPoint socketReportPoint(const SocketCurve& curve, int index, int unitSystem)
{
    const SocketPoint& p = curve.points[static_cast<std::size_t>(index)];
    const float shortening_in = curve.upperShaftShortening_in[static_cast<std::size_t>(index)];
    // Every point is converted, whatever the sign of its movement, so that no row of a table
    // mixes units.
    if (unitSystem == kSi) {
        return {p.topLoad_tons * kKilonewtonsPerTon,
                p.topMovement_ft / kFeetPerMetre + kMetresPerInch * shortening_in,
                p.tipLoad_tons * kKilonewtonsPerTon, p.tipMovement_ft / kFeetPerMetre};
    }
    return {p.topLoad_tons, kInchesPerFoot * p.topMovement_ft + shortening_in, p.tipLoad_tons,
            kInchesPerFoot * p.tipMovement_ft};
}

std::array<SettlementPoint, kSocketPointCount> socketReportPoints(const SocketCurve& curve,
                                                                  int unitSystem)
{
    std::array<SettlementPoint, kSocketPointCount> points{};
    for (int i = 0; i < kSocketPointCount; ++i) {
        points[static_cast<std::size_t>(i)] = socketReportPoint(curve, i, unitSystem);
    }
    return points;
}

} // namespace korva::methods
