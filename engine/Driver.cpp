#include "engine/Driver.h"

#include "engine/CoefficientEstimates.h"
#include "engine/DeckRecordReader.h"
#include "engine/InputDeckReader.h"
#include "engine/InputEcho.h"
#include "engine/ReportLayerBlock.h"

namespace korva {
namespace {

// Load-settlement of the final shaft of a case: the t-z and Q-w curves and the three
// load-settlement curves of a soil or gravel tip, the socket routines of a rock or
// intermediate-geomaterial tip. It fills c.curveOne with the points of curve 1 (report units),
// which the case section lists while the curve selector is 0 or 1, may set *c.curveSelector,
// and sets *c.status to 2 or 4 when a curve depth lies beyond the strength profile.
// Not computed yet: the case section ends with the heading of the curves.
void loadSettlementOfCase(AnalysisRun& /*run*/, LoadSettlementCase& /*c*/) {}

// Plot records of a case: its capacity rows and, when computed, its load-settlement curves.
// Not written yet.
void writeCasePlotRecords(AnalysisRun& /*run*/, const LoadSettlementCase& /*c*/) {}

// End of a complete run: in design-chart runs the design-chart records of the plot file and
// the "DESIGN CHART CURVES" table of the report. Not written yet.
void finishRun(AnalysisRun& /*run*/) {}

} // namespace

void finishCase(AnalysisRun& run, LoadSettlementCase& c)
{
    loadSettlementOfCase(run, c);
    if (*c.status > 0)
        return; // a curve failure ends the run inside the load-settlement tables
    writeCasePlotRecords(run, c);
}

void runDriver(AnalysisRun& run)
{
    DeckRecordReader reader(run.projectData, run.names.projectData.string());
    readInputDeck(reader, DeckEchoTargets{run.report, run.runNotes, run.tzReport}, run.deck);

    // Input echo: factors of safety, soil information with the values the program estimated,
    // shaft data, length series and design-chart settings.
    writeFactorOfSafetyEcho(run.report, run.deck);
    const LayerEstimates estimates = estimateLayerCoefficients(run.deck);
    writeSoilInformation(run.report, run.deck, estimates, {run.deck.isSI(), run.deck.NLRFD == 1});
    writeShaftEcho(run.report, run.deck);
    writeMultipleLengthEcho(run.report, run.deck);
    writeDesignChartEcho(run.report, run.deck);
    writeResultsHeading(run.report);

    // The cases: walk, capacity rows, report rows and rock messages, then finishCase.
    AnalysisOutputs outputs{run.report, run.runNotes,
                            run.names.resolve(run.names.workFile(RockMessageWorkFileName))};
    const LoadSettlementStep caseEnd = [&run](LoadSettlementCase& c) { finishCase(run, c); };
    run.status = runCapacityAnalysis(run.deck, estimates, outputs, run.summary, caseEnd);
    if (run.status != StatusNormal)
        return; // status 7, 8 or a curve failure: the report ends with its message

    finishRun(run);
}

} // namespace korva
