#include "engine/analysis/CapacityRows.h"

#include <algorithm>
#include <cmath>

#include "engine/analysis/CaseSeries.h"
#include "engine/methods/FloatToInt.h"
#include "engine/methods/PhysicalConstants.h"
#include "engine/methods/TipDepthAveraging.h"
#include "engine/methods/TipResistanceCommon.h"

namespace korva {

CandidateRange candidateLengths(const CaseGeometry& geometry, float topLength_ft,
                                float bottomLength_ft, float deepestBottom_ft)
{
    const float hb = geometry.bellHeight_ft;
    CandidateRange range;
    range.first = truncateToInt(roundHalfAway(topLength_ft + bottomLength_ft + hb)) + 1;
    const int deepestIndex = truncateToInt(roundHalfAway(deepestBottom_ft + bottomLength_ft + hb));
    range.last = deepestIndex - truncateToInt(bottomLength_ft + hb) - geometry.averagingDepths - 1;
    return range;
}

int tipLayerOf(const LayerColumn& layers, float length_ft)
{
    const int count = static_cast<int>(layers.bottom_ft.size());
    for (int i = 0; i < count; ++i)
        if (layers.bottom_ft[i] > length_ft)
            return i;
    return count > 0 ? count - 1 : 0;
}

namespace {

float finiteOrZero(float value, bool& replaced)
{
    if (std::isfinite(value))
        return value;
    replaced = true;
    return 0.0f;
}

} // namespace

CapacityRowsResult computeCapacityRows(const DepthTables& tables, const CaseGeometry& geometry,
                                       const RowSettings& settings, const LayerColumn& layers,
                                       CandidateRange range, float bottomLength_ft,
                                       std::span<LayerTipRecord> records)
{
    CapacityRowsResult result;
    const int first = std::max(range.first, 0);
    const int last = std::min(range.last, kDeepestTableIndex);
    const float baseSafetyFactor = settings.uplift ? 1.0f : settings.baseSafetyFactor;
    const float hb = geometry.bellHeight_ft;
    float previousVolume = 0.0f;
    int previousTipLayer = -1;
    for (int length = first; length <= last; ++length) {
        const float l = static_cast<float>(length);
        CapacityRow row;
        row.length = l;
        const int tipLayer = tipLayerOf(layers, l);
        row.tipLayer = tipLayer;

        const float storedVolume = tables.volume_yd3[length];
        row.volume = storedVolume > 0.01f ? storedVolume : previousVolume;
        previousVolume = row.volume;
        row.qs = tables.sideResistance_tons[length];
        if (settings.uplift)
            row.qb = methods::upliftShaftWeight_tons(row.volume, l, settings.waterTable_ft,
                                                     geometry.stemDiameter_ft);
        else
            row.qb = methods::depthAveragedTip_tons(tables.sliceTip_tons, tables.strongRockSlice,
                                                    length + 1, geometry.baseDiameter_ft,
                                                    geometry.stemDiameter_ft)
                         .tip_tons;
        bool& bad = result.nonFiniteReplaced;
        row.qs = finiteOrZero(row.qs, bad);
        row.qb = finiteOrZero(row.qb, bad);
        row.qu = row.qs + row.qb;
        row.qbd = finiteOrZero(row.qs + row.qb / baseSafetyFactor, bad);
        row.qdn = finiteOrZero(row.qs / settings.sideSafetyFactor + row.qb / baseSafetyFactor, bad);
        row.quPerVolume = row.volume > 0.0f ? finiteOrZero(row.qu / row.volume, bad) : 0.0f;
        if (!(row.volume > 0.0f))
            bad = true;
        const float tipFactor = tipLayer < static_cast<int>(layers.tipFactor.size())
                                    ? layers.tipFactor[tipLayer]
                                    : 1.0f;
        row.lrfdQb = finiteOrZero(row.qb * tipFactor, bad);
        row.lrfdQs = finiteOrZero(tables.lrfdSideResistance_tons[length], bad);
        row.lrfdQu = row.lrfdQs + row.lrfdQb;
        result.rows.push_back(row);

        const bool recordable = tipLayer >= 0 && tipLayer < static_cast<int>(records.size());
        if (recordable) {
            records[tipLayer].kind =
                tipLayer < static_cast<int>(layers.kind.size()) ? layers.kind[tipLayer] : 0;
            records[tipLayer].sideResistance_tons = row.qs;
            records[tipLayer].depth_ft = l - hb - bottomLength_ft;
        }

        bool final = false;
        if (settings.designLoadGiven) {
            const float capacity = settings.lrfd ? row.lrfdQu : row.qdn;
            final = capacity > settings.designLoad_tons;
        } else {
            final = l >= settings.proposedLength_ft;
        }
        result.tipLayerBeforeFinal = previousTipLayer;
        previousTipLayer = tipLayer;
        if (final) {
            result.reachedFinal = true;
            if (recordable)
                records[tipLayer].depth_ft = l;
            break;
        }
    }
    if (!result.rows.empty()) {
        result.finalLength = truncateToInt(result.rows.back().length);
        result.tipLayerOfFinal = result.rows.back().tipLayer;
    }
    return result;
}

CapacityRow rowInReportUnits(const CapacityRow& row, bool si)
{
    if (!si)
        return row;
    CapacityRow out = row;
    out.length = row.length / kFeetPerMetre;
    out.volume = row.volume / kCubicYardsPerCubicMetre;
    out.qs = row.qs / kTonsPerKilonewton;
    out.qb = row.qb / kTonsPerKilonewton;
    out.qu = row.qu / kTonsPerKilonewton;
    out.qbd = row.qbd / kTonsPerKilonewton;
    out.qdn = row.qdn / kTonsPerKilonewton;
    out.quPerVolume = row.quPerVolume / kTonsPerCubicYardPerKilonewtonPerCubicMetre;
    out.lrfdQs = row.lrfdQs / kTonsPerKilonewton;
    out.lrfdQb = row.lrfdQb / kTonsPerKilonewton;
    out.lrfdQu = row.lrfdQu / kTonsPerKilonewton;
    return out;
}

} // namespace korva
