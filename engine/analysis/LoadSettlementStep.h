#pragma once
// Load-settlement of the final shaft of a case, chosen by the material that holds the tip:
// the three curves of the t-z solution for soil and gravel tips (trend, upper bound, lower
// bound), or a socket procedure for strong rock, decomposed rock and weak rock; the additional
// t-z curves of the first case; the curve data the plot file takes; and the head loads at the
// design-chart settlements.
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "engine/analysis/CapacityAnalysis.h"
#include "engine/analysis/DesignChart.h"
#include "engine/methods/LoadSettlementSolution.h"
#include "engine/output/PlotFileWriter.h"

namespace korva {

struct LoadSettlementOutputs
{
    std::ostream& report;
    std::ostream& runNotes;
    std::ostream& tzReport;               // .kv8z
    std::ostream& qwReport;               // .kv8w, appended to the t-z report
    std::ostream& tzPlot;                 // .kv8t
    std::ostream& qwPlot;                 // .kv8q
    std::ostream& loadDistributionPlot;   // .kv8l
    std::ostream& chart;                  // CHART.DAT
    std::function<void(int)> writeTzDiam; // rewrites TZDIAM.DAT with a diameter counter
};

// A solved shaft kept with copies of its profiles, so that its detail can be produced again.
struct SolvedShaft
{
    methods::CurveSelector selector = methods::CurveSelector::Trend;
    methods::LoadSettlementCase shaft; // spans point into the vectors below
    std::vector<methods::TzLayer> layers;
    std::vector<methods::LayerStrength> layerProfile;
    std::vector<methods::StrengthPoint> rowProfile;
};

// What the step keeps from case to case.
struct LoadSettlementRunState
{
    CurveTable table;          // curves 1-3 as the plot file takes them
    bool caseHasCurve = false; // the latest case computed a curve 1
    int caseCurveCount = 0;    // curves the latest case computed: 3 soil tip, 1 socket, 0 none
    std::optional<SolvedShaft> lastSolution; // for the detail file TZDATA.DAT
    DesignChartValues chart;
    bool chartStarted = false;
    // The t-z block of the plot data (first case with a soil tip) and the Q-w curves written
    // after it.
    bool tzBlockWritten = false;
    int qwCurvesWritten = 0;
};

// The load-settlement section of a case. A curve depth or the tip below the strength profile
// ends the run (RunFailure with StatusTzBeyondProfile or StatusQwBeyondProfile, its warning
// already in the report).
LoadSettlementOutcome runLoadSettlementStep(LoadSettlementCase& c, LoadSettlementRunState& state,
                                            LoadSettlementOutputs& out);

// Writes TZDATA.DAT, the segment detail of the latest soil-tip solution of the run (nothing
// when there was none).
void writeTzDetailFile(const LoadSettlementRunState& state, const std::filesystem::path& path);

} // namespace korva
