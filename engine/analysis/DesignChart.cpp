#include "engine/analysis/DesignChart.h"

#include <algorithm>
#include <string>

#include "engine/methods/PhysicalConstants.h"
#include "engine/output/FixedFormat.h"

namespace korva {

namespace {

constexpr int kDiametersPerGroup = 7;

} // namespace

void DesignChartValues::setSettlements(std::span<const float> settlements)
{
    settlements_.assign(settlements.begin(), settlements.end());
    values_lb_.assign(settlements_.size(), {});
}

void DesignChartValues::registerCase(int lengthNumber, int diameterNumber, float diameter_in,
                                     float length_in)
{
    if (lengthNumber < 1 || diameterNumber < 1)
        return;
    const auto j = static_cast<std::size_t>(diameterNumber - 1);
    const auto i = static_cast<std::size_t>(lengthNumber - 1);
    if (diameters_in_.size() <= j)
        diameters_in_.resize(j + 1, 0.0f);
    if (lengthNumber == 1)
        diameters_in_[j] = diameter_in;
    if (lengths_in_.size() <= i)
        lengths_in_.resize(i + 1, 0.0f);
    // The table shows one length per line: the shaft of the first diameter of the length.
    if (diameterNumber == 1 || lengths_in_[i] == 0.0f)
        lengths_in_[i] = length_in;
    for (auto& byDiameter : values_lb_) {
        if (byDiameter.size() <= j)
            byDiameter.resize(j + 1);
        for (auto& byLength : byDiameter)
            if (byLength.size() < lengths_in_.size())
                byLength.resize(lengths_in_.size(), 0.0f);
    }
}

void DesignChartValues::recordValues(int lengthNumber, int diameterNumber,
                                     std::span<const float> values_lb)
{
    if (lengthNumber < 1 || diameterNumber < 1)
        return;
    const auto j = static_cast<std::size_t>(diameterNumber - 1);
    const auto i = static_cast<std::size_t>(lengthNumber - 1);
    for (std::size_t k = 0; k < values_lb_.size() && k < values_lb.size(); ++k) {
        if (values_lb_[k].size() <= j)
            values_lb_[k].resize(j + 1);
        if (values_lb_[k][j].size() <= i)
            values_lb_[k][j].resize(i + 1, 0.0f);
        values_lb_[k][j][i] = values_lb[k];
    }
}

float DesignChartValues::value_lb(int k, int j, int i) const
{
    if (k < 0 || j < 0 || i < 0 || static_cast<std::size_t>(k) >= values_lb_.size())
        return 0.0f;
    const auto& byDiameter = values_lb_[static_cast<std::size_t>(k)];
    if (static_cast<std::size_t>(j) >= byDiameter.size())
        return 0.0f;
    const auto& byLength = byDiameter[static_cast<std::size_t>(j)];
    return static_cast<std::size_t>(i) < byLength.size() ? byLength[static_cast<std::size_t>(i)]
                                                         : 0.0f;
}

void writeDesignChartBlock(std::ostream& plot, const DesignChartValues& chart, bool si)
{
    plot << freeFormat(static_cast<long>(chart.settlementCount()))
         << freeFormat(static_cast<long>(chart.diameterCount()))
         << freeFormat(static_cast<long>(chart.lengthCount())) << '\n';
    for (int k = 0; k < chart.settlementCount(); ++k) {
        plot << freeFormat(chart.settlement(k)) << '\n';
        for (int j = 0; j < chart.diameterCount(); ++j) {
            const float diameter =
                si ? chart.diameter_in(j) * kMetresPerInch : chart.diameter_in(j);
            plot << formatF(diameter, 10, 4) << '\n';
            for (int i = 0; i < chart.lengthCount(); ++i)
                plot << freeFormat(chart.length_in(i)) << freeFormat(chart.value_lb(k, j, i))
                     << '\n';
        }
    }
}

void writeDesignChartTable(std::ostream& report, const DesignChartValues& chart, bool si)
{
    const float lengthDivisor = si ? kInchesPerMetre : kInchesPerFoot;
    const float loadDivisor = si ? kPoundsPerKilonewtonChart : kPoundsPerTon;
    report << "\n\n\n"
           << blanks(5) << "DESIGN CHART CURVES\n"
           << blanks(5) << std::string(19, '-') << '\n';
    for (int k = 0; k < chart.settlementCount(); ++k) {
        report << "\n\n"
               << blanks(5) << "- SETTLEMENT, "
               << (si ? formatF(chart.settlement(k), 9, 4) + " M"
                      : formatF(chart.settlement(k), 9, 3) + " IN")
               << '\n';
        for (int first = 0; first < chart.diameterCount(); first += kDiametersPerGroup) {
            const int last = std::min(first + kDiametersPerGroup, chart.diameterCount());
            report << '\n'
                   << blanks(3) << "LENGTH" << blanks(10) << (si ? "DIAMETER, M" : "DIAMETER, FT")
                   << '\n';
            report << blanks(3) << (si ? "  (M) " : " (FT) ");
            for (int j = first; j < last; ++j)
                report << formatF(chart.diameter_in(j) / lengthDivisor, 9, 2);
            report << '\n'
                   << blanks(3) << blanks(6) << blanks(10)
                   << (si ? "TOP LOAD, KN" : "TOP LOAD, TONS") << '\n';
            for (int i = 0; i < chart.lengthCount(); ++i) {
                report << formatF(chart.length_in(i) / lengthDivisor, 9, 2);
                for (int j = first; j < last; ++j)
                    report << formatF(chart.value_lb(k, j, i) / loadDivisor, 9, 2);
                report << '\n';
            }
        }
    }
}

DesignChartSummary designChartSummary(const DesignChartValues& chart, bool si)
{
    const float lengthDivisor = si ? kInchesPerMetre : kInchesPerFoot;
    const float loadDivisor = si ? kPoundsPerKilonewtonChart : kPoundsPerTon;
    DesignChartSummary summary;
    for (int k = 0; k < chart.settlementCount(); ++k)
        summary.settlements.push_back(chart.settlement(k));
    for (int j = 0; j < chart.diameterCount(); ++j)
        summary.diameters.push_back(chart.diameter_in(j) / lengthDivisor);
    for (int i = 0; i < chart.lengthCount(); ++i)
        summary.lengths.push_back(chart.length_in(i) / lengthDivisor);
    summary.loads.assign(static_cast<std::size_t>(chart.settlementCount()), {});
    for (int k = 0; k < chart.settlementCount(); ++k) {
        auto& byDiameter = summary.loads[static_cast<std::size_t>(k)];
        byDiameter.assign(static_cast<std::size_t>(chart.diameterCount()), {});
        for (int j = 0; j < chart.diameterCount(); ++j)
            for (int i = 0; i < chart.lengthCount(); ++i)
                byDiameter[static_cast<std::size_t>(j)].push_back(chart.value_lb(k, j, i) /
                                                                  loadDivisor);
    }
    return summary;
}

} // namespace korva
