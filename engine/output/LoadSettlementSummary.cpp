#include "engine/output/LoadSettlementSummary.h"
#include "engine/output/JsonNumber.h"

#include <charconv>
#include <cmath>

namespace korva {

namespace {

template <typename Range, typename Write> std::string list(const Range& range, Write write)
{
    std::string json = "[";
    bool first = true;
    for (const auto& item : range) {
        json += first ? "" : ", ";
        first = false;
        json += write(item);
    }
    return json + "]";
}

std::string curveJson(const std::array<CurvePoint, 15>& curve)
{
    return list(curve, [](const CurvePoint& p) {
        return "[" + jsonNumber(p.topLoad) + ", " + jsonNumber(p.topMovement) + ", " +
               jsonNumber(p.tipLoad) + ", " + jsonNumber(p.tipMovement) + "]";
    });
}

} // namespace

std::string loadSettlementJsonMembers(const AnalysisSummary& summary)
{
    static constexpr const char* kCurveNames[3] = {"trend", "upperBound", "lowerBound"};
    std::string json;
    if (summary.cases.empty())
        return json;
    json = ", \"loadSettlement\": [";
    bool first = true;
    for (const CaseSummary& c : summary.cases) {
        json += first ? "" : ", ";
        first = false;
        json += "{\"case\": " + std::to_string(c.caseNumber);
        for (int k = 0; k < c.curveCount && k < 3; ++k)
            json += ", \"" + std::string(kCurveNames[k]) +
                    "\": " + curveJson(c.curves[static_cast<std::size_t>(k)]);
        json += "}";
    }
    json += "]";
    const DesignChartSummary& chart = summary.designChart;
    if (!chart.settlements.empty()) {
        const auto value = [](float v) { return jsonNumber(v); };
        json += ", \"designChart\": {\"settlements\": " + list(chart.settlements, value) +
                ", \"diameters\": " + list(chart.diameters, value) +
                ", \"lengths\": " + list(chart.lengths, value) + ", \"loads\": " +
                list(chart.loads,
                     [&](const std::vector<std::vector<float>>& byDiameter) {
                         return list(byDiameter, [&](const std::vector<float>& byLength) {
                             return list(byLength, value);
                         });
                     }) +
                "}";
    }
    return json;
}

} // namespace korva
