#include "engine/output/PlotFileWriter.h"

#include <algorithm>
#include <cmath>

#include "engine/analysis/CaseSeries.h"
#include "engine/deck/UnitConversion.h"
#include "engine/methods/FloatToInt.h"
#include "engine/output/FixedFormat.h"

namespace korva {

namespace {

constexpr int kMaxPlotLengths = 100; // a multiple-length run analyses at most 100 lengths

// One blank and an E10.3 number.
std::string eField(float value)
{
    return ' ' + formatE(std::isfinite(value) ? value : 0.0f, 10, 3);
}

// int(c + 0.001) + 1 for a finite, non-negative c; 1 otherwise.
int seriesCount(float c)
{
    if (!std::isfinite(c) || c < 0.0f)
        return 1;
    return truncateClamped(c + 0.001f, 0, 999999) + 1;
}

} // namespace

int plotCaseCount(const InputDeck& deck, float caseLength_ft, int lengthNumber)
{
    const float dialim = std::max(deck.DIALIM, deck.DSTART);
    if (deck.IChart >= 1) {
        const int n =
            deck.DIAMINCR > 0.0f ? seriesCount((dialim - deck.DSTART) / deck.DIAMINCR) : 1;
        return std::min(n, kMaxChartDiameters);
    }
    if (deck.IPENT >= 1) {
        const int n =
            deck.PDINCR > 0.0f ? seriesCount((caseLength_ft - deck.PDMIN) / deck.PDINCR) : 1;
        return std::max(1, std::min(n, kMaxPlotLengths - lengthNumber + 1));
    }
    return seriesCount((dialim - deck.DSTART) * 2.0f);
}

bool writesCaseBlock(const InputDeck& deck, int lengthNumber)
{
    return deck.IPENT >= 1 || lengthNumber == 1;
}

void writeCaseBlock(std::ostream& plot, const CaseBlock& block, const CaseBlockSettings& settings)
{
    const std::size_t rowCount = block.rows.size();
    plot << freeFormat(static_cast<long>(block.caseCount))
         << freeFormat(static_cast<long>(rowCount + 2))
         << freeFormat(static_cast<long>(block.curveCode)) << '\n';
    plot << "   0.0  0.0  0.0  0.0  0.0 0.0  0.0  \n";
    const float lengthScale = settings.si ? 1.0f / kFeetPerMetre : 1.0f;
    const float forceScale = settings.si ? 1.0f / kTonsPerKilonewton : 1.0f;
    const float firstLength = rowCount > 0 ? block.rows.front().length * lengthScale : 0.0f;
    plot << eField(firstLength) << "   0.0   0.0  0.0 0.0  0.0  0.0 \n";
    const float baseFactor = settings.uplift ? 1.0f : settings.baseSafetyFactor;
    for (const CapacityRow& row : block.rows) {
        const float qs = row.qs * forceScale;
        const float qb = row.qb * forceScale;
        const float qu = row.qu * forceScale;
        float v5 = 0.0f;
        float v6 = 0.0f;
        float v7 = 0.0f;
        if (settings.lrfd) {
            v5 = row.lrfdQs * forceScale;
            v6 = row.lrfdQb * forceScale;
            v7 = v5 + v6;
        } else {
            v5 = settings.sideSafetyFactor != 0.0f ? qs / settings.sideSafetyFactor : 0.0f;
            v6 = baseFactor != 0.0f ? qb / baseFactor : 0.0f;
            v7 = row.qdn * forceScale;
        }
        plot << eField(row.length * lengthScale) << eField(qs) << eField(qb) << eField(qu)
             << eField(v5) << '\n'
             << eField(v6) << eField(v7) << '\n';
    }
    const int curvesWritten = block.curveCode == 3 ? 3 : 1;
    for (int c = 0; c < curvesWritten; ++c) {
        for (int p = 0; p < kCurvePointCount; ++p) {
            methods::SettlementPoint point{};
            if (block.curves != nullptr)
                point = block.curves->curves[static_cast<std::size_t>(c)][p];
            plot << eField(point.topLoad) << eField(point.topMovement) << eField(point.tipLoad)
                 << eField(point.tipMovement) << '\n';
        }
    }
}

} // namespace korva
