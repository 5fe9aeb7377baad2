#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <vector>

#include "engine/analysis/CapacityRows.h"
#include "engine/analysis/CaseGeometry.h"
#include "engine/analysis/DepthTables.h"
#include "engine/deck/InputDeck.h"
#include "engine/deck/LayerEstimates.h"
#include "engine/methods/StrengthProfile.h"
#include "engine/methods/WeakRock.h"
#include "engine/output/ReportCase.h"
#include "engine/run/RunStatus.h"

namespace korva {

// What a case hands to the load-settlement step that follows its capacity rows.
struct LoadSettlementCase
{
    const InputDeck* deck = nullptr; // layer bottoms rounded as walked
    const CaseGeometry* geometry = nullptr;
    int caseNumber = 0;
    int lengthNumber = 0;
    int diameterNumber = 0;
    bool firstCase = false;
    float caseLength_ft = 0.0f;   // proposed length of the case (0 in design-load runs)
    float bottomLength_ft = 0.0f; // BS as rounded
    float concreteModulus_tsf = 0.0f;
    std::span<const CapacityRow> rows; // working units
    float finalLength_ft = 0.0f;       // length of the last row
    int tipLayer = -1;                 // 0-based layer holding the base of the last row
    // Layer that held the base of the candidate before the final one (the last layer walked
    // before the rows when the final length is the first candidate; -1 before any).
    int tipLayerBeforeFinal = -1;
    std::span<const LayerTipRecord> layerRecords;
    float referenceLength_ft = 0.0f; // intermediate-geomaterial reference length L
    // Strength profiles of the t-z curves: per layer its side-resistance zone (in) with the
    // unit side resistance of its first and last slice (psi), and per capacity row its length
    // (in) with the unit side resistance of the slice stored at that length (psi).
    std::span<const methods::LayerStrength> layerStrength;
    std::span<const methods::StrengthPoint> rowStrength;
    std::span<const float> effectiveStress_psf; // sigma'v at every whole depth 0, 1, 2 ... ft
    std::span<const float> layerMidStress_psf;  // sigma'v at the middle of every layer
    float deepestSliceDepth_ft = 0.0f;          // bottom of the deepest slice walked
    float sideAboveWeakRock_tons = 0.0f; // QS down to the end of the case's first weak-rock slice
    float socketTop_ft = 0.0f;           // top of the first layer of code 6 or 7
    const methods::IntactModulusAverage* intactModulus = nullptr; // weak-rock running average
    // A case with a soil or gravel tip came before this one in the run, or this one reached
    // its final length in such a layer.
    bool soilTipMet = false;
    // Filled by the step with the points of a socket curve (report units), which the case
    // section lists after the socket table heading.
    std::vector<CurvePoint> curveOne;
};
// The step writes the case's load-settlement section: the additional t-z curves where they
// apply, the "AXIAL LOAD VS SETTLEMENT CURVES" heading and the tables. Without a step the
// analysis writes the heading alone. A curve depth or the tip below the strength profile ends
// the run inside the step (RunFailure).
struct LoadSettlementOutcome
{
    bool soilTipCurves = false; // the trend, upper- and lower-bound curves of a soil tip
};
using LoadSettlementStep = std::function<LoadSettlementOutcome(LoadSettlementCase&)>;

// One analysed case as the command-line summary shows it (report units).
struct CaseSummary
{
    int caseNumber = 0;
    float stemDiameter = 0.0f;
    float baseDiameter = 0.0f;
    bool hasRows = false;
    bool reachedFinal = false;
    CapacityRow finalRow; // report units
    // Load-settlement curves of the case in report units: 3 for a soil tip (trend, upper and
    // lower bound), 1 for a socket, 0 when none was computed.
    int curveCount = 0;
    std::array<std::array<CurvePoint, 15>, 3> curves{};
};

// Head loads at the design-chart settlements, in report units.
struct DesignChartSummary
{
    std::vector<float> settlements; // in or m
    std::vector<float> diameters;   // ft or m
    std::vector<float> lengths;     // ft or m
    // loads[k][j][i]: settlement k, diameter j, length i (tons or kN)
    std::vector<std::vector<std::vector<float>>> loads;
};

struct AnalysisSummary
{
    std::vector<CaseSummary> cases;
    BestCase best;
    DesignChartSummary designChart; // empty unless the run computes design charts
};

struct AnalysisOutputs
{
    std::ostream& report;
    std::ostream& runNotes;
    std::filesystem::path rockMessageFile; // ROCKMSG.DAT of the run's work folder
};

// The cases of a run after the deck is read and its echo (soil information included) written:
// for every diameter and length the walk, the rows, the report rows and rock messages, the
// load-settlement step and the best shaft; at the end the note on weak shale rock. A run that
// cannot go on ends with RunFailure, its reasons already in the report and the run notes:
// StatusDesignLoadNotReached, StatusProfileBeyondTables, or a curve failure of the
// load-settlement step.
void runCapacityAnalysis(InputDeck deck, const LayerEstimates& estimates, AnalysisOutputs& outputs,
                         AnalysisSummary& summary, const LoadSettlementStep& loadSettlement);

} // namespace korva
