#include "engine/analysis/LoadSettlementStep.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

#include "engine/analysis/FiniteGuard.h"
#include "engine/deck/UnitConversion.h"
#include "engine/methods/DecomposedRockSocketSettlement.h"
#include "engine/methods/FloatToInt.h"
#include "engine/methods/StrongRockSocketSettlement.h"
#include "engine/methods/WeakRockSocketSettlement.h"
#include "engine/output/FixedFormat.h"
#include "engine/output/LoadTransferOutput.h"
#include "engine/output/LoadTransferTables.h"
#include "engine/output/LoadTransferTexts.h"
#include "engine/output/ReportCase.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunFileNames.h"

namespace korva {

namespace {

using methods::CurveBuildCode;
using methods::CurveSelector;

constexpr std::array<CurveSelector, 3> kSelectors = {
    CurveSelector::Trend, CurveSelector::UpperBound, CurveSelector::LowerBound};

void writeLines(std::ostream& out, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        out << line << '\n';
}

int unitSystemOf(const InputDeck& deck)
{
    return deck.isSI() ? 2 : 1;
}

float moduliToTsf(const InputDeck& deck)
{
    return deck.isSI() ? kTsfPerKilopascal : kTsfPerPsi;
}

std::vector<methods::TzLayer> tzLayers(const InputDeck& deck)
{
    std::vector<methods::TzLayer> layers;
    const int count = std::clamp(deck.NL, 0, kMaxLayers);
    for (int i = 0; i < count; ++i) {
        const SoilLayer& layer = deck.layers[static_cast<std::size_t>(i)];
        layers.push_back({layer.topDepth * 12.0f, layer.bottomDepth * 12.0f,
                          static_cast<int>(layer.kindCode())});
    }
    return layers;
}

std::vector<TzCurveOutput> curvesForOutput(const std::vector<methods::TzCurve>& curves,
                                           int unitSystem)
{
    std::vector<TzCurveOutput> out;
    out.reserve(curves.size());
    for (const methods::TzCurve& curve : curves)
        out.push_back(tzCurveForOutput(curve, unitSystem));
    return out;
}

// Warning of a curve depth or tip below the strength profile, which ends the run with the
// status of the code (StatusTzBeyondProfile or StatusQwBeyondProfile).
[[noreturn]] void endBeyondProfile(LoadSettlementOutputs& out, CurveBuildCode code, float depth_in)
{
    const std::vector<std::string> lines = beyondProfileWarningLines(code, depth_in);
    writeLines(out.report, lines);
    if (code == CurveBuildCode::TipBeyondProfile)
        writeLines(out.runNotes, lines);
    throw RunFailure::reported(static_cast<int32_t>(code));
}

void writeInvalidShaft(std::ostream& report)
{
    report << '\n' << texts::kWarningHeading << '\n' << texts::kInvalidShaft << '\n';
}

// A load-settlement value of the case was not finite and was taken as zero.
void writeNonFiniteNote(LoadSettlementOutputs& out)
{
    writeNonFiniteLoadSettlementNote(out.report);
    writeNonFiniteLoadSettlementNote(out.runNotes);
}

// Additional t-z curves at the user's depths, three times (trend, upper, lower bound); the
// trend curves also go to the plot scratch file. A depth below the strength profile ends the
// run.
void additionalTzCurves(LoadSettlementCase& c, LoadSettlementOutputs& out,
                        const std::vector<methods::TzLayer>& layers)
{
    const InputDeck& deck = *c.deck;
    const int units = unitSystemOf(deck);
    out.report << "\n\n\n"
               << blanks(5) << "ADDITIONAL TZ CURVES\n"
               << blanks(5) << std::string(20, '-') << "\n\n\n"
               << blanks(5) << "NOTE: TZ AND QW CURVES DATA ARE AVAILABLE ONLY "
               << "FOR SAND AND CLAY LAYERS.\n\n\n";
    for (CurveSelector selector : kSelectors) {
        std::vector<methods::TzCurve> curves;
        int number = 0;
        for (float depth : deck.tzDepths) {
            ++number;
            methods::AdditionalTzCurve curve = methods::buildAdditionalTzCurve(
                selector, number, depth * 12.0f, layers, c.layerStrength, c.rowStrength,
                c.geometry->stemDiameter_ft * 12.0f);
            if (curve.code != CurveBuildCode::Ok)
                endBeyondProfile(out, curve.code, depth * 12.0f);
            if (replaceNonFinite(curve.curve))
                writeNonFiniteNote(out);
            curves.push_back(curve.curve);
        }
        const std::vector<TzCurveOutput> shown = curvesForOutput(curves, units);
        out.report << blanks(5) << texts::selectorHeading(selector) << "\n\n";
        writeLines(out.report, tzCurveTableLines(shown));
        out.report << "\n\n";
        if (selector == CurveSelector::Trend) {
            out.tzPlot << freeFormat(static_cast<long>(shown.size())) << '\n';
            writeLines(out.tzPlot, additionalTzPlotCurveLines(shown));
        }
    }
}

// Q-w table of one solution for the .kv8w file.
void writeQwTable(std::ostream& out, const LoadSettlementCase& c, CurveSelector selector,
                  const methods::QwCurve& qw, int units)
{
    const bool si = units == 2;
    const QwCurveOutput shown = qwCurveForOutput(qw, units);
    const float toOutput = si ? 1.0f / kFeetPerMetre : 1.0f;
    const char* lengthUnit = si ? "  M" : "  FT.";
    out << '\n'
        << blanks(5) << texts::selectorHeading(selector) << "\n\n"
        << blanks(5) << "VARIATION DIAMETER       =" << formatI(c.diameterNumber, 5) << '\n'
        << blanks(5)
        << "SHAFT DIAMETER           =" << formatF(c.geometry->stemDiameter_ft * toOutput, 10, 3)
        << lengthUnit << '\n'
        << blanks(5) << "SHAFT LENGTH             =" << formatF(c.finalLength_ft * toOutput, 10, 3)
        << lengthUnit << "\n\n"
        << blanks(10) << "TIP   LOAD      TIP MOVEMENT\n"
        << blanks(12) << (si ? "KN." : "TON") << blanks(13) << (si ? " M." : "IN.") << '\n';
    for (int i = 0; i < methods::kQwPointCount; ++i)
        out << formatE(shown.load[static_cast<std::size_t>(i)], 17, 4)
            << formatE(shown.movement[static_cast<std::size_t>(i)], 16, 4) << '\n';
}

// The final shaft of a soil or gravel tip as the load-settlement solution takes it, its
// strength profiles held by `solved` (the shaft's spans point into them).
void prepareSoilTipShaft(SolvedShaft& solved, const LoadSettlementCase& c,
                         const std::vector<methods::TzLayer>& layers)
{
    const InputDeck& deck = *c.deck;
    solved.layers = layers;
    solved.layerProfile.assign(c.layerStrength.begin(), c.layerStrength.end());
    solved.rowProfile.assign(c.rowStrength.begin(), c.rowStrength.end());
    methods::LoadSettlementCase& shaft = solved.shaft;
    shaft.length_ft = c.finalLength_ft;
    shaft.stemDiameter_ft = c.geometry->stemDiameter_ft;
    shaft.baseDiameter_ft = c.geometry->baseDiameter_ft;
    shaft.baseTransitionLength_ft = c.geometry->bellHeight_ft + c.bottomLength_ft;
    shaft.ignoredTop_ft = deck.TOPLEN;
    shaft.concreteModulus_psi = deck.isSI() ? deck.Ec / kKilopascalsPerPsiModulus : deck.Ec;
    shaft.segmentCount = static_cast<int>(c.rows.size());
    shaft.ultimateBaseLoad_tons = c.rows.back().qb;
    shaft.baseMaterialCode =
        static_cast<int>(deck.layers[static_cast<std::size_t>(c.tipLayer)].kindCode());
    shaft.layers = solved.layers;
    shaft.layerProfile = solved.layerProfile;
    shaft.rowProfile = solved.rowProfile;
    // Segment detail is needed for the load distribution of the first case only; the detail
    // file of the last solution is produced again at the end of the run.
    shaft.keepSegments = c.caseNumber == 1;
}

// Plot records of the trend curve: the t-z block of the first case, the Q-w curve (counted by
// the curves actually written) and the load distribution of the first case.
void writeTrendCurveRecords(const LoadSettlementCase& c, LoadSettlementRunState& state,
                            LoadSettlementOutputs& out, const methods::LoadSettlementCurve& curve,
                            const std::vector<TzCurveOutput>& tz, std::size_t layerCount, int units)
{
    const InputDeck& deck = *c.deck;
    // The Q-w curves follow the t-z block of the first case and are counted by the curves
    // actually written: without that block, or with a rock-tip case among the diameters, a
    // count by diameter would not match the curves that follow and the plot data could not be
    // read back.
    if (c.lengthNumber == 1 && (c.firstCase || state.tzBlockWritten)) {
        if (c.firstCase) {
            // The count of the t-z block, 5 per layer, with the curves it counts.
            out.tzPlot << freeFormat(static_cast<long>(methods::kTzCurvesPerLayer * layerCount))
                       << '\n';
            writeLines(out.tzPlot, tzPlotCurveLines(tz));
            state.tzBlockWritten = true;
        }
        const float stemDiameter_ft = c.geometry->stemDiameter_ft;
        const float diameter = deck.isSI() ? stemDiameter_ft / kFeetPerMetre : stemDiameter_ft;
        writeLines(out.qwPlot, qwPlotCurveLines(c.diameterNumber, diameter,
                                                qwCurveForOutput(curve.qwCurve, units)));
        ++state.qwCurvesWritten;
        if (out.writeTzDiam)
            out.writeTzDiam(state.qwCurvesWritten);
    }
    if (c.caseNumber == 1)
        writeLines(out.loadDistributionPlot, loadDistributionLines(loadDistribution(curve, units)));
}

// Design-chart values of the case from the trend curve: the head loads at the chart
// settlements, into the chart work file, the chart tables and the report.
void designChartSettlements(const LoadSettlementCase& c, LoadSettlementRunState& state,
                            LoadSettlementOutputs& out, const methods::LoadSettlementCurve& curve,
                            const methods::LoadSettlementCase& shaft, int units)
{
    const InputDeck& deck = *c.deck;
    std::vector<float> settlements_in;
    const int count = std::clamp(deck.NPOINTPD, 0, kMaxChartSettlements);
    for (int k = 0; k < count; ++k) {
        const float value = deck.PDSETT[static_cast<std::size_t>(k)];
        settlements_in.push_back(deck.isSI() ? value * kInchesPerMetre : value);
    }
    std::vector<methods::ChartSettlementResult> results =
        methods::solveDesignChartSettlements(curve, shaft, settlements_in);
    if (replaceNonFinite(results))
        writeNonFiniteNote(out);
    std::vector<float> values_lb;
    std::vector<methods::SettlementPoint> rows;
    for (std::size_t k = 0; k < results.size(); ++k) {
        if (k == 0)
            out.chart << chartFileHeadingLine() << '\n';
        out.chart << chartFileSettlementLine(c.diameterNumber, c.lengthNumber, results[k]) << '\n'
                  << chartFileTopSegmentLine(results[k]) << '\n';
        values_lb.push_back(results[k].topSegmentMiddleLoad_lb);
        rows.push_back(methods::reportPoint(results[k].level, units));
    }
    state.chart.recordValues(c.lengthNumber, c.diameterNumber, values_lb);
    if (!rows.empty())
        writeLines(out.report, definedSettlementTableLines(rows, units));
}

// The three curves of a soil or gravel tip. A curve depth or the tip below the strength
// profile ends the run.
LoadSettlementOutcome soilTip(LoadSettlementCase& c, LoadSettlementRunState& state,
                              LoadSettlementOutputs& out,
                              const std::vector<methods::TzLayer>& layers)
{
    const InputDeck& deck = *c.deck;
    const int units = unitSystemOf(deck);
    SolvedShaft solved;
    prepareSoilTipShaft(solved, c, layers);
    const methods::LoadSettlementCase& shaft = solved.shaft;

    if (c.firstCase) {
        out.qwReport << blanks(5) << "QW CURVE DATA\n";
        out.tzReport << "\n\n" << blanks(5) << "TZ CURVE DATA\n";
    }

    for (CurveSelector selector : kSelectors) {
        const int s = static_cast<int>(selector);
        methods::LoadSettlementCurve curve = methods::solveLoadSettlement(selector, shaft);
        if (curve.code == CurveBuildCode::TzDepthBeyondProfile ||
            curve.code == CurveBuildCode::TipBeyondProfile)
            endBeyondProfile(out, curve.code, curve.offendingDepth_in);
        SettlementCurve& stored = state.table.curves[static_cast<std::size_t>(s - 1)];
        if (curve.code != CurveBuildCode::Ok) {
            writeInvalidShaft(out.report);
            stored = SettlementCurve{};
            continue;
        }
        if (replaceNonFinite(curve))
            writeNonFiniteNote(out);
        if (curve.unconvergedSegments > 0)
            out.runNotes << texts::kSegmentNotConverged << '\n'
                         << blanks(5) << texts::selectorHeading(selector) << '\n';
        const std::vector<methods::SettlementPoint> points = methods::reportPoints(curve, units);
        stored = SettlementCurve{};
        std::copy_n(points.begin(), std::min<std::size_t>(points.size(), kCurvePointCount),
                    stored.begin());
        if (s == 1)
            state.caseHasCurve = true;

        writeLines(out.report, loadSettlementTableLines(selector, points, units));
        writeQwTable(out.qwReport, c, selector, curve.qwCurve, units);
        const std::vector<TzCurveOutput> tz = curvesForOutput(curve.tzCurves, units);
        if (c.firstCase) {
            out.tzReport << '\n' << blanks(5) << texts::selectorHeading(selector) << "\n\n";
            writeLines(out.tzReport, tzCurveTableLines(tz));
        }
        if (selector == CurveSelector::Trend) {
            writeTrendCurveRecords(c, state, out, curve, tz, layers.size(), units);
            if (deck.IChart >= 1)
                designChartSettlements(c, state, out, curve, shaft, units);
        }
        solved.selector = selector;
    }
    solved.shaft.keepSegments = true;
    solved.shaft.layers = {};
    solved.shaft.layerProfile = {};
    solved.shaft.rowProfile = {};
    state.lastSolution = std::move(solved);
    return {true};
}

// Socket of a rock or intermediate-geomaterial tip: curve 1 of the table and the points the
// case section lists. Curves 2 and 3 keep those of the latest soil-tip case.
void storeSocketCurve(LoadSettlementCase& c, LoadSettlementRunState& state,
                      LoadSettlementOutputs& out, const methods::SocketCurve& curve)
{
    writeLines(out.report, socketTableHeadingLines());
    if (curve.code != methods::SocketCode::Ok) {
        out.report << '\n'
                   << texts::kWarningHeading << '\n'
                   << texts::socketWarningText(curve.code) << '\n';
        return;
    }
    const int units = unitSystemOf(*c.deck);
    const auto points = methods::socketReportPoints(curve, units);
    SettlementCurve& stored = state.table.curves[0];
    for (std::size_t i = 0; i < points.size() && i < stored.size(); ++i) {
        stored[i] = points[i];
        state.caseCurveCount = 1;
        c.curveOne.push_back(
            {points[i].topLoad, points[i].topMovement, points[i].tipLoad, points[i].tipMovement});
    }
    state.caseHasCurve = true;
}

// Whether a layer of code 4 or more lies between the top and the layer that held the tip of
// the candidate length before the final one.
bool rockAboveEarlierTip(const LoadSettlementCase& c)
{
    if (c.tipLayerBeforeFinal < 0)
        return false;
    for (int i = 0; i <= c.tipLayerBeforeFinal && i < c.deck->NL; ++i)
        if (c.deck->layers[static_cast<std::size_t>(i)].kindCode() > MaterialKind::ClayShale)
            return true;
    return false;
}

void strongRockTip(LoadSettlementCase& c, LoadSettlementRunState& state, LoadSettlementOutputs& out)
{
    const InputDeck& deck = *c.deck;
    const float toTsf = moduliToTsf(deck);
    std::vector<methods::SocketLayer> layers;
    for (int j = 0; j <= c.tipLayer; ++j) {
        const SoilLayer& layer = deck.layers[static_cast<std::size_t>(j)];
        methods::SocketLayer s;
        s.materialCode = static_cast<int>(layer.kindCode());
        s.bottom_ft = layer.bottomDepth;
        s.sideResistanceToBottom_tons =
            j == c.tipLayer ? c.rows.back().qs
                            : c.layerRecords[static_cast<std::size_t>(j)].sideResistance_tons;
        s.rqdTop_pct = layer.RQD.top;
        s.rqdBottom_pct = layer.RQD.bottom;
        s.modulusTop_tsf = layer.EL.top * toTsf;
        s.modulusBottom_tsf = layer.EL.bottom * toTsf;
        layers.push_back(s);
    }
    methods::StrongRockSocketCase socket;
    socket.layers = layers;
    socket.finalLength_ft = c.finalLength_ft;
    socket.finalSideResistance_tons = c.rows.back().qs;
    socket.finalTipResistance_tons = c.rows.back().qb;
    socket.socketDiameterAtTipLayerTop_ft =
        deck.layers[static_cast<std::size_t>(c.tipLayer)].BDS.top;
    socket.stemDiameter_ft = c.geometry->stemDiameter_ft;
    socket.firstDiameter_ft = deck.DSTART;
    socket.concreteModulus_tsf = c.concreteModulus_tsf;
    storeSocketCurve(c, state, out, methods::strongRockSocketCurve(socket));
}

void decomposedRockTip(LoadSettlementCase& c, LoadSettlementRunState& state,
                       LoadSettlementOutputs& out)
{
    const InputDeck& deck = *c.deck;
    const SoilLayer& layer = deck.layers[static_cast<std::size_t>(c.tipLayer)];
    const float toTsf = moduliToTsf(deck);
    methods::DecomposedRockSocketCase socket;
    socket.referenceLength_ft = c.referenceLength_ft;
    socket.finalSideResistance_tons = c.rows.back().qs;
    socket.tipLayerTop_ft = layer.topDepth;
    socket.tipLayerBottom_ft = layer.bottomDepth;
    // Blow count and socket diameter are read at the tip inside the tip layer.
    socket.depthInTipLayer_ft = std::clamp(c.finalLength_ft - layer.topDepth, 0.0f,
                                           std::max(0.0f, layer.bottomDepth - layer.topDepth));
    socket.blowCountTop = layer.BLOWS.top;
    socket.blowCountBottom = layer.BLOWS.bottom;
    socket.socketDiameterTop_ft = layer.BDS.top;
    socket.socketDiameterBottom_ft = layer.BDS.bottom;
    socket.modulusTop_tsf = layer.EL.top * toTsf;
    socket.modulusBottom_tsf = layer.EL.bottom * toTsf;
    socket.stemDiameter_ft = c.geometry->stemDiameter_ft;
    socket.firstDiameter_ft = deck.DSTART;
    socket.concreteModulus_tsf = c.concreteModulus_tsf;
    if (static_cast<std::size_t>(c.tipLayer) < c.layerMidStress_psf.size())
        socket.midLayerEffectiveStress_psf =
            c.layerMidStress_psf[static_cast<std::size_t>(c.tipLayer)];
    socket.deepestSliceDepth_ft = c.deepestSliceDepth_ft;
    if (!c.effectiveStress_psf.empty()) {
        const auto index = static_cast<std::size_t>(truncateClamped(
            c.deepestSliceDepth_ft, 0, static_cast<int>(c.effectiveStress_psf.size()) - 1));
        socket.deepestSliceEffectiveStress_psf = c.effectiveStress_psf[index];
    }
    storeSocketCurve(c, state, out, methods::decomposedRockSocketCurve(socket).curve);
}

void weakRockTip(LoadSettlementCase& c, LoadSettlementRunState& state, LoadSettlementOutputs& out)
{
    const InputDeck& deck = *c.deck;
    const SoilLayer& layer = deck.layers[static_cast<std::size_t>(c.tipLayer)];
    const float toTsf = moduliToTsf(deck);
    const float slumpToInches = deck.isSI() ? kSlumpInchesPerMetre : 1.0f;
    methods::WeakRockSocketCase socket;
    socket.referenceLength_ft = c.referenceLength_ft;
    socket.socketTop_ft = c.socketTop_ft;
    for (int i = 0; i < std::clamp(deck.NL, 0, kMaxLayers); ++i) {
        const SoilLayer& candidate = deck.layers[static_cast<std::size_t>(i)];
        const MaterialKind kind = candidate.kindCode();
        if ((kind == MaterialKind::WeakRock || kind == MaterialKind::StrongRockSideAndBase) &&
            candidate.bottomDepth >= c.referenceLength_ft) {
            socket.hasLayerBelowReference = true;
            socket.socketDiameterAtThatLayerBottom_ft = candidate.BDS.bottom;
            break;
        }
    }
    socket.tipLayerTop_ft = layer.topDepth;
    socket.tipLayerBottom_ft = layer.bottomDepth;
    socket.slumpTop_in = layer.slump.top * slumpToInches;
    socket.slumpBottom_in = layer.slump.bottom * slumpToInches;
    socket.rqdTop_pct = layer.RQD.top;
    socket.rqdBottom_pct = layer.RQD.bottom;
    socket.rockStrengthTop_psf = layer.QUR.top;
    socket.rockStrengthBottom_psf = layer.QUR.bottom;
    socket.interfaceFrictionTop_deg = layer.interfaceFrictionAngle.top;
    socket.interfaceFrictionBottom_deg = layer.interfaceFrictionAngle.bottom;
    socket.socketDiameterTop_ft = layer.BDS.top;
    socket.socketDiameterBottom_ft = layer.BDS.bottom;
    socket.intactModulusTop_tsf = layer.EL.top * toTsf;
    socket.intactModulusBottom_tsf = layer.EL.bottom * toTsf;
    const float condition = layer.interfaceCondition.top;
    const int code = roundClamped(condition, 1, 4);
    socket.interface = static_cast<methods::WeakRockInterface>(code);
    socket.stemDiameter_ft = c.geometry->stemDiameter_ft;
    socket.firstDiameter_ft = deck.DSTART;
    socket.concreteModulus_tsf = c.concreteModulus_tsf;
    socket.sideAboveWeakRock_tons = c.sideAboveWeakRock_tons;
    socket.finalSideResistance_tons = c.rows.back().qs;
    if (c.intactModulus != nullptr)
        socket.modulusAverage = *c.intactModulus;
    storeSocketCurve(c, state, out, methods::weakRockSocketCurve(socket).curve);
}

} // namespace

LoadSettlementOutcome runLoadSettlementStep(LoadSettlementCase& c, LoadSettlementRunState& state,
                                            LoadSettlementOutputs& out)
{
    const InputDeck& deck = *c.deck;
    state.caseHasCurve = false;
    state.caseCurveCount = 0;
    if (deck.IChart >= 1) {
        if (!state.chartStarted) {
            const int count = std::clamp(deck.NPOINTPD, 0, kMaxChartSettlements);
            state.chart.setSettlements(
                std::span<const float>(deck.PDSETT.data(), static_cast<std::size_t>(count)));
            state.chartStarted = true;
        }
        state.chart.registerCase(c.lengthNumber, c.diameterNumber,
                                 c.geometry->stemDiameter_ft * 12.0f, c.finalLength_ft * 12.0f);
    }

    const bool computable =
        !c.rows.empty() && c.tipLayer >= 0 && c.tipLayer < deck.NL && c.tipLayer < kMaxLayers;
    const MaterialKind tipKind = computable
                                     ? deck.layers[static_cast<std::size_t>(c.tipLayer)].kindCode()
                                     : MaterialKind::None;
    const std::vector<methods::TzLayer> layers = tzLayers(deck);

    // With the option set the block is written even without depths: the plot data reader
    // expects its count ahead of the t-z block.
    if (computable && methods::isSoil(tipKind) && deck.PrintTZCurves == 1 && c.firstCase) {
        additionalTzCurves(c, out, layers);
    }
    writeLoadSettlementHeading(out.report);

    LoadSettlementOutcome outcome;
    if (computable) {
        if (methods::isSoil(tipKind)) {
            outcome = soilTip(c, state, out, layers);
            if (state.caseHasCurve)
                state.caseCurveCount = 3;
        } else if (tipKind == MaterialKind::DecomposedRock) {
            decomposedRockTip(c, state, out);
        } else if (rockAboveEarlierTip(c)) {
            if (tipKind == MaterialKind::WeakRock)
                weakRockTip(c, state, out);
            else
                strongRockTip(c, state, out);
        }
    }
    // A case without a curve of its own writes zeros as curve 1, not a curve of another shaft.
    if (!state.caseHasCurve)
        state.table.curves[0] = SettlementCurve{};
    return outcome;
}

void writeTzDetailFile(const LoadSettlementRunState& state, const std::filesystem::path& path)
{
    if (!state.lastSolution)
        return;
    SolvedShaft solved = *state.lastSolution;
    solved.shaft.layers = solved.layers;
    solved.shaft.layerProfile = solved.layerProfile;
    solved.shaft.rowProfile = solved.rowProfile;
    solved.shaft.keepSegments = true;
    const methods::LoadSettlementCurve curve =
        methods::solveLoadSettlement(solved.selector, solved.shaft);
    if (curve.code != CurveBuildCode::Ok)
        return;
    std::ofstream file;
    openOutputFile(file, path);
    writeLines(file, tzDetailFileLines(curve));
    closeOutputFile(file, path);
}

} // namespace korva
