#include "engine/analysis/Driver.h"

#include "engine/deck/CoefficientEstimates.h"
#include "engine/deck/DeckRecordReader.h"
#include "engine/deck/InputDeckReader.h"
#include "engine/output/InputEcho.h"
#include "engine/output/PlotFileWriter.h"
#include "engine/output/ReportLayerBlock.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunFileNames.h"

namespace korva {
LoadSettlementOutputs loadSettlementOutputs(RunContext& run)
{
    return LoadSettlementOutputs{run.report,
                                 run.runNotes,
                                 run.tzReport,
                                 run.qwReport,
                                 run.tzPlot,
                                 run.qwPlot,
                                 run.loadSettlementPlot,
                                 run.chart,
                                 [&run](int counter) { run.writeTzDiam(counter); }};
}

LoadSettlementOutcome finishCase(RunContext& run, LoadSettlementRunState& state,
                                 LoadSettlementCase& c)
{
    LoadSettlementOutputs outputs = loadSettlementOutputs(run);
    const LoadSettlementOutcome outcome = runLoadSettlementStep(c, state, outputs);
    if (!run.summary.cases.empty()) {
        CaseSummary& summary = run.summary.cases.back();
        summary.curveCount = state.caseCurveCount;
        for (int k = 0; k < state.caseCurveCount; ++k)
            for (int p = 0; p < kCurvePointCount; ++p) {
                const methods::SettlementPoint& point = state.table.curves[k][p];
                summary.curves[k][p] = {point.topLoad, point.topMovement, point.tipLoad,
                                        point.tipMovement};
            }
    }
    const InputDeck& deck = *c.deck;
    if (!writesCaseBlock(deck, c.lengthNumber))
        return outcome;
    CaseBlock block;
    block.caseCount = plotCaseCount(deck, c.caseLength_ft, c.lengthNumber);
    block.rows = c.rows;
    // 3 once a soil or gravel tip has had its three curves (or reached its final length),
    // 0 before.
    block.curveCode = c.soilTipMet || outcome.soilTipCurves ? 3 : 0;
    block.curves = &state.table;
    CaseBlockSettings settings;
    settings.si = deck.isSI();
    settings.lrfd = deck.NLRFD == 1;
    settings.uplift = deck.KCYCL == 2;
    settings.sideSafetyFactor = deck.FST;
    settings.baseSafetyFactor = deck.FSB;
    writeCaseBlock(run.plot, block, settings);
    return outcome;
}

void runDriver(RunContext& run)
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
                            run.names.resolve(run.names.workFile(kRockMessageWorkFileName))};
    LoadSettlementRunState state;
    const LoadSettlementStep caseEnd = [&run, &state](LoadSettlementCase& c) {
        return finishCase(run, state, c);
    };
    // The detail file holds the segment march of the latest soil-tip solution, also when a
    // case ends the run (status 7, 8 or a curve failure, its message already in the report).
    const std::filesystem::path detailFile =
        run.names.resolve(run.names.workFile(kTzDataWorkFileName));
    try {
        runCapacityAnalysis(run.deck, estimates, outputs, run.summary, caseEnd);
    } catch (const RunFailure&) {
        writeTzDetailFile(state, detailFile);
        throw;
    }
    writeTzDetailFile(state, detailFile);

    // Design-chart runs end with the chart block of the plot file and the report table.
    if (run.deck.IChart >= 1) {
        writeDesignChartBlock(run.plot, state.chart, run.deck.isSI());
        writeDesignChartTable(run.report, state.chart, run.deck.isSI());
        run.summary.designChart = designChartSummary(state.chart, run.deck.isSI());
    }
}

} // namespace korva
