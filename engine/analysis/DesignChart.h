#pragma once
// Design-chart values of a run: the head load of the trend curve at every design-chart
// settlement, for every diameter and length analysed, kept in inches and pounds as the
// load-settlement solution gives them; and the two places they are written, the plot file's
// design-chart block and the report's design-chart table.
#include <ostream>
#include <span>
#include <vector>

#include "engine/analysis/CapacityAnalysis.h"
#include "engine/deck/InputDeck.h"

namespace korva {

class DesignChartValues
{
  public:
    // Sets the settlements (as read: in or m) before the first case.
    void setSettlements(std::span<const float> settlements);

    // Registers the case of a length and diameter counter (1-based); its values stay 0 until
    // recordValues is called for it (a case without a soil-tip curve keeps 0).
    void registerCase(int lengthNumber, int diameterNumber, float diameter_in, float length_in);
    void recordValues(int lengthNumber, int diameterNumber, std::span<const float> values_lb);

    int settlementCount() const { return static_cast<int>(settlements_.size()); }
    int diameterCount() const { return static_cast<int>(diameters_in_.size()); }
    int lengthCount() const { return static_cast<int>(lengths_in_.size()); }
    float settlement(int k) const { return settlements_[k]; }
    float diameter_in(int j) const { return diameters_in_[j]; }
    float length_in(int i) const { return lengths_in_[i]; }
    // Head load (lb) at settlement k, diameter j, length i (0-based).
    float value_lb(int k, int j, int i) const;

  private:
    std::vector<float> settlements_;
    std::vector<float> diameters_in_; // by diameter counter
    std::vector<float> lengths_in_;   // by length counter
    // [settlement][diameter][length]
    std::vector<std::vector<std::vector<float>>> values_lb_;
};

// Plot-file block: the counts (settlements, diameters, lengths), then per settlement its value
// as read, and per diameter the diameter (F10.4: in, or m in SI runs) followed by the
// (length in, capacity lb) pairs.
void writeDesignChartBlock(std::ostream& plot, const DesignChartValues& chart, bool si);

// Report table "DESIGN CHART CURVES": per settlement the diameters in groups of seven columns,
// one line per length with the head loads (ft and tons, or m and kN).
void writeDesignChartTable(std::ostream& report, const DesignChartValues& chart, bool si);

// The values in report units (ft or m, tons or kN) for the run summary.
DesignChartSummary designChartSummary(const DesignChartValues& chart, bool si);

} // namespace korva
