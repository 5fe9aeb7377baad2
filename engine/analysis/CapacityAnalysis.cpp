#include "engine/analysis/CapacityAnalysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <string>

#include "engine/analysis/CaseSeries.h"
#include "engine/analysis/SliceResistance.h"
#include "engine/deck/UnitConversion.h"
#include "engine/methods/EffectiveStress.h"
#include "engine/methods/FloatToInt.h"
#include "engine/methods/MethodWarnings.h"
#include "engine/methods/SocketSettlement.h"
#include "engine/output/FixedFormat.h"
#include "engine/output/ListedRows.h"
#include "engine/run/RunStatus.h"

namespace korva {

namespace {

using methods::MethodWarning;

// Writers of the framed warnings the slices raise, with their once-only rules.
class WarningSink
{
  public:
    WarningSink(std::ostream& runNotes) : runNotes_(runNotes) {}

    void startCase(const std::filesystem::path& rockMessageFile)
    {
        rock_.close();
        // A fresh file rather than a truncated one: truncating a file that holds data makes
        // the file system write it out at once, which costs more than the case itself.
        std::error_code ignored;
        std::filesystem::remove(rockMessageFile, ignored);
        rock_.open(rockMessageFile, std::ios::out | std::ios::trunc);
        rock_ << '\n';
        caseFlags_ = 0;
    }

    void closeRockMessages() { rock_.close(); }

    void slice(const methods::MethodWarnings& warnings, const methods::WeakRockResult& weakRock,
               float depth_ft)
    {
        for (MethodWarning w : methods::kAllMethodWarnings) {
            if (!warnings.has(w))
                continue;
            const auto bit = static_cast<std::uint32_t>(w);
            switch (w) {
            case MethodWarning::ClayStrengthFromBlowCount:
                // Once per run, into the rock messages of the case that meets it first.
                if (!(runFlags_ & bit)) {
                    runFlags_ |= bit;
                    writeLines(rock_, w);
                }
                break;
            case MethodWarning::UnitWeightMissing:
                // Run notes, at every slice that meets it.
                writeLines(runNotes_, w);
                break;
            case MethodWarning::SandWithoutBlowCountOrFrictionAngle:
                break; // an input error of the layer ends, reported once per run (runStart)
            case MethodWarning::WeakRockSocketTooShort:
            case MethodWarning::WeakRockSocketTooLong:
            case MethodWarning::WeakRockModulusRatio:
            case MethodWarning::WeakRockSmallDiameter: {
                const float value = weakRockValue(w, weakRock);
                const auto block = methods::weakRockWarningBlock(w, formatF(value, 9, 2));
                writeBlock(runNotes_, block);
                // The two socket-length warnings share one once-only flag.
                const std::uint32_t onceBit =
                    w == MethodWarning::WeakRockSocketTooLong
                        ? static_cast<std::uint32_t>(MethodWarning::WeakRockSocketTooShort)
                        : bit;
                if (!(caseFlags_ & onceBit)) {
                    caseFlags_ |= onceBit;
                    writeBlock(rock_, block);
                }
                break;
            }
            case MethodWarning::StrongRockBaseCarriesNoLoad:
                break; // the report's note at the run end covers it
            default:
                // Guards: run notes with the depth, rock messages once per case.
                writeLines(runNotes_, w);
                runNotes_ << blanks(5) << "AT DEPTH =" << formatF(depth_ft, 9, 2) << " FT\n\n";
                if (!(caseFlags_ & bit)) {
                    caseFlags_ |= bit;
                    writeLines(rock_, w);
                }
                break;
            }
        }
    }

    // Input errors found by the estimation pass, once per run before the first case.
    void runStart(const LayerEstimates& estimates)
    {
        for (const LayerEstimate& e : estimates)
            if (e.blowCountAndFrictionAngleMissing)
                writeLines(runNotes_, MethodWarning::SandWithoutBlowCountOrFrictionAngle);
    }

    // A note of the analysis itself into the rock messages (report) and the run notes.
    void caseNote(std::span<const std::string> lines)
    {
        writeAnalysisWarning(runNotes_, lines);
        writeAnalysisWarning(rock_, lines);
    }

    void endCase() { caseFlags_ = 0; }

  private:
    static float weakRockValue(MethodWarning w, const methods::WeakRockResult& r)
    {
        switch (w) {
        case MethodWarning::WeakRockSocketTooShort:
            return r.socketLengthRatio;
        case MethodWarning::WeakRockSocketTooLong:
            return r.extendedSocketLengthRatio;
        case MethodWarning::WeakRockModulusRatio:
            return r.modulusRatio;
        default:
            return r.socketDiameter_ft;
        }
    }
    static void writeLines(std::ostream& out, MethodWarning w)
    {
        out << '\n';
        for (std::string_view line : methods::methodWarningLines(w))
            out << blanks(5) << line << '\n';
    }
    static void writeBlock(std::ostream& out, const std::vector<std::string>& block)
    {
        for (const std::string& line : block)
            out << line << '\n';
    }

    std::ostream& runNotes_;
    std::ofstream rock_;
    std::uint32_t runFlags_ = 0;
    std::uint32_t caseFlags_ = 0;
};

// Copies the rock messages of the case into the report as 80-character lines.
void copyRockMessages(const std::filesystem::path& file, std::ostream& report)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        report << padRight(line, 80) << '\n';
    }
}

struct Walk
{
    DepthTables tables;
    std::vector<LayerTipRecord> records;
    std::array<float, DepthTableSize> unitSide_psi{}; // slice unit side at each table index
    std::vector<methods::LayerStrength> layerStrength;
    float deepestSlice_ft = 0.0f;
    float sideAboveWeakRock_tons = 0.0f;
    bool weakRockReached = false;
};

} // namespace

int32_t runCapacityAnalysis(InputDeck deck, const LayerEstimates& estimates,
                            AnalysisOutputs& outputs, AnalysisSummary& summary,
                            const LoadSettlementStep& loadSettlement)
{
    std::ostream& report = outputs.report;
    std::ostream& notes = outputs.runNotes;
    const bool si = deck.isSI();
    const bool lrfd = deck.NLRFD == 1;
    const bool uplift = deck.KCYCL == 2;
    const bool designLoadGiven = deck.METHOD == 1;
    const int layerCount = std::clamp(deck.NL, 0, MaxLayers);

    // Moduli to tons per square foot; the ignored bottom portion to a whole foot.
    const float moduliToTsf = si ? kTsfPerKilopascal : kTsfPerPsi;
    const float concreteModulus_tsf = deck.Ec * moduliToTsf;
    const float concreteModulusAsRead = deck.Ec;
    const float bottomLength_ft = roundHalfAway(deck.BS);

    // Layer bottoms rounded to whole feet, as the walk uses them; each layer's top is the
    // rounded bottom of the layer above, so that a layer is interpolated over the depths it is
    // walked and weighed in.
    for (int i = 0; i < layerCount; ++i) {
        deck.layers[i].bottomDepth = roundHalfAway(deck.layers[i].bottomDepth);
        if (i > 0)
            deck.layers[i].topDepth = deck.layers[i - 1].bottomDepth;
    }
    const float deepestBottom_ft = layerCount > 0 ? deck.layers[layerCount - 1].bottomDepth : 0.0f;

    std::vector<methods::UnitWeightLayer> weights;
    std::vector<float> bottoms;
    std::vector<int> kinds;
    std::vector<float> tipFactors;
    float socketTop_ft = 0.0f;
    bool socketTopFound = false;
    for (int i = 0; i < layerCount; ++i) {
        const SoilLayer& layer = deck.layers[i];
        weights.push_back({layer.bottomDepth, layer.GAMMA.top, layer.GAMMA.bottom});
        bottoms.push_back(layer.bottomDepth);
        kinds.push_back(static_cast<int>(layer.kindCode()));
        tipFactors.push_back(layer.phiB);
        if (!socketTopFound && (layer.kindCode() == MaterialKind::WeakRock ||
                                layer.kindCode() == MaterialKind::StrongRockSideAndBase)) {
            socketTop_ft = layer.topDepth;
            socketTopFound = true;
        }
    }
    const int stressDepth = truncateClamped(deepestBottom_ft + 2.0f, 1, DepthTableSize + 2);
    const std::vector<float> stressTable_psf =
        methods::effectiveVerticalStressTable_psf(weights, stressDepth, deck.WTD);
    std::vector<float> midStress_psf;
    for (int i = 0; i < layerCount; ++i)
        midStress_psf.push_back(methods::layerMidEffectiveStress_psf(weights, i, deck.WTD));

    SliceRunValues run;
    run.deck = &deck;
    run.estimates = &estimates;
    run.effectiveStress_psf = stressTable_psf;
    run.layerMidStress_psf = midStress_psf;
    run.loading.uplift = uplift;
    run.loading.upliftFactor = deck.RCYCL;
    run.loading.baseToStemRatio = deck.RATIO;
    run.concreteModulus_tsf = concreteModulus_tsf;
    run.moduliToTsf = moduliToTsf;
    run.slumpToInches = si ? kSlumpInchesPerMetre : 1.0f;
    run.socketTop_ft = socketTop_ft;
    SliceRunState state;

    const bool designChart = deck.IChart >= 1;
    const float diameterStep_ft = designChart ? deck.DIAMINCR : 0.5f;
    // The length series starts at the proposed length PD. In a design-load run the length is
    // found by the walk and PD is 0, so the series holds one member; the design value of such a
    // run is a load in tons and never serves as a length.
    std::vector<float> lengths{deck.PD};
    if (deck.IPENT >= 1 || designChart)
        lengths = makeLengthSeries(deck.PD, deck.PDMIN, deck.PDINCR);
    const std::vector<float> diameters =
        makeDiameterSeries(deck.DSTART, deck.DIALIM, diameterStep_ft);

    WarningSink warnings(notes);
    warnings.runStart(estimates);
    bool soilTipMet = false; // a case of the run has met a soil or gravel tip
    int caseNumber = 0;
    int tipLayerBeforeRows = -1;

    for (std::size_t li = 0; li < lengths.size(); ++li) {
        const float caseLength_ft = lengths[li];
        for (std::size_t di = 0; di < diameters.size(); ++di) {
            if (designChart && di >= static_cast<std::size_t>(MaxChartDiameters))
                goto casesEnd; // the design-chart tables hold 20 diameters
            ++caseNumber;
            const int lengthNumber = static_cast<int>(li) + 1;
            const int diameterNumber = static_cast<int>(di) + 1;
            writeCaseHeading(report, caseNumber, lengthNumber, diameterNumber);
            writeCaseHeading(notes, caseNumber, lengthNumber, diameterNumber);
            notes << '\n';
            warnings.startCase(outputs.rockMessageFile);

            const CaseGeometry geometry = makeCaseGeometry(diameters[di], deck.RATIO, deck.BELANG);
            ShaftBlockValues shaftValues{deck.BELANG, deck.TOPLEN, bottomLength_ft,
                                         concreteModulusAsRead, si};
            writeShaftInformation(report, geometry, shaftValues);
            writeShaftDiameterLines(notes, geometry, si);
            if (!designLoadGiven) {
                writeShaftLengthLine(report, caseLength_ft, si);
                writeShaftLengthLine(notes, caseLength_ft, si);
            }
            writeResultsLegend(report, lrfd);
            writeResultsTableHeading(report, lrfd, uplift, si);
            if (geometry.bellAngleUnusable) {
                const std::vector<std::string> lines{
                    "THE BELL ANGLE GIVES NO BELL HEIGHT; THE SHAFT IS",
                    "ANALYZED WITHOUT A BELL."};
                warnings.caseNote(lines);
            }

            // Profile against the per-depth tables.
            const float bellHeight_ft = geometry.bellHeight_ft;
            const float deepestIndex =
                roundHalfAway(deepestBottom_ft + bottomLength_ft + bellHeight_ft);
            if (deepestIndex > static_cast<float>(DeepestTableIndex) ||
                !std::isfinite(deepestIndex)) {
                const std::vector<std::string> lines{
                    "THE SOIL PROFILE WITH THE IGNORED BOTTOM PORTION AND THE",
                    "BELL REACHES DEEPER THAN 503 FT (153.3 M), THE DEEPEST",
                    "SHAFT LENGTH THE PROGRAM CAN ANALYZE.  THE RUN IS STOPPED;",
                    "PLEASE SHORTEN THE PROFILE."};
                writeAnalysisWarning(report, lines);
                writeAnalysisWarning(notes, lines);
                warnings.closeRockMessages();
                return StatusProfileBeyondTables;
            }

            // Depth walk in 1-ft slices from the ignored top portion down.
            Walk walk;
            walk.records.assign(static_cast<std::size_t>(layerCount), LayerTipRecord{});
            walk.layerStrength.assign(static_cast<std::size_t>(layerCount), {});
            for (int i = 0; i < layerCount; ++i) {
                walk.layerStrength[i].top_in = deck.layers[i].topDepth * 12.0f;
                walk.layerStrength[i].bottom_in = deck.layers[i].bottomDepth * 12.0f;
            }
            float qs_tons = 0.0f;
            float qsLrfd_tons = 0.0f;
            bool started = false;
            float sliceStart_ft = deck.TOPLEN;
            bool nonFinite = false;
            for (int i = 0; i < layerCount; ++i) {
                const SoilLayer& layer = deck.layers[i];
                if (!started) {
                    if (!(layer.bottomDepth > deck.TOPLEN))
                        continue;
                    started = true;
                }
                const int slices = truncateToInt(layer.bottomDepth) - truncateToInt(sliceStart_ft);
                for (int j = 1; j <= slices; ++j) {
                    const float z_ft = sliceStart_ft + static_cast<float>(j);
                    const SliceResult s = computeSlice(run, state, i, z_ft, geometry);
                    warnings.slice(s.warnings, s.weakRock, z_ft);
                    float force = s.perimeter_ft * 1.0f * s.unitSide_tsf;
                    float tip = s.tip_tons;
                    if (!std::isfinite(force) || !std::isfinite(tip)) {
                        nonFinite = true;
                        force = std::isfinite(force) ? force : 0.0f;
                        tip = std::isfinite(tip) ? tip : 0.0f;
                    }
                    qs_tons += force;
                    qsLrfd_tons += force * layer.phiS;
                    const float unitSide_psi =
                        std::isfinite(s.unitSide_tsf) ? s.unitSide_tsf * kPsiPerTsf : 0.0f;
                    if (j == 1) {
                        walk.layerStrength[i].top_in = (z_ft - 1.0f) * 12.0f;
                        walk.layerStrength[i].firstSliceUnitSide_psi = unitSide_psi;
                    }
                    if (j == slices) {
                        walk.layerStrength[i].bottom_in = z_ft * 12.0f;
                        walk.layerStrength[i].lastSliceUnitSide_psi = unitSide_psi;
                    }
                    walk.deepestSlice_ft = z_ft;
                    if (!walk.weakRockReached && layer.kindCode() == MaterialKind::WeakRock) {
                        walk.weakRockReached = true;
                        walk.sideAboveWeakRock_tons = qs_tons;
                    }
                    const int index =
                        truncateToInt(roundHalfAway(z_ft + bottomLength_ft + bellHeight_ft));
                    if (index < 0 || index > DeepestTableIndex)
                        continue;
                    walk.tables.sideResistance_tons[index] = qs_tons;
                    walk.tables.lrfdSideResistance_tons[index] = qsLrfd_tons;
                    walk.tables.sliceTip_tons[index] = tip;
                    walk.tables.strongRockSlice[index] = s.strongRock;
                    walk.tables.volume_yd3[index] = (static_cast<float>(index) - bellHeight_ft) *
                                                        geometry.stemArea_ft2 / 27.0f +
                                                    geometry.underreamVolume_yd3;
                    walk.tables.written[index] = true;
                    walk.unitSide_psi[index] = unitSide_psi;
                    if (j == slices) {
                        walk.records[i].kind = static_cast<int>(layer.kindCode());
                        walk.records[i].sideResistance_tons = qs_tons;
                        walk.records[i].depth_ft = z_ft + bottomLength_ft + bellHeight_ft;
                    }
                }
                sliceStart_ft = layer.bottomDepth;
            }

            // Capacity rows of the candidate lengths.
            const CandidateRange range =
                candidateLengths(geometry, deck.TOPLEN, bottomLength_ft, deepestBottom_ft);
            if (range.last < 0) {
                notes << '\n';
                for (std::string_view line : methods::kIncreaseSoilDepthLines)
                    notes << blanks(7) << line << '\n';
            }
            RowSettings rowSettings;
            rowSettings.designLoadGiven = designLoadGiven;
            rowSettings.designLoad_tons = deck.designValue;
            rowSettings.proposedLength_ft = caseLength_ft;
            rowSettings.uplift = uplift;
            rowSettings.lrfd = lrfd;
            rowSettings.sideSafetyFactor = deck.FST;
            rowSettings.baseSafetyFactor = deck.FSB;
            rowSettings.waterTable_ft = deck.WTD;
            const LayerColumn column{bottoms, kinds, tipFactors};
            const CapacityRowsResult rows = computeCapacityRows(
                walk.tables, geometry, rowSettings, column, range, bottomLength_ft, walk.records);
            // Tip layer of the candidate before the final one. When the final length is the
            // first candidate, the tip layer recorded last by the rows of the earlier cases
            // stands in; the first case of a run has none.
            const int tipLayerBeforeFinal =
                rows.rows.size() >= 2 ? rows.tipLayerBeforeFinal : tipLayerBeforeRows;
            if (!rows.rows.empty())
                tipLayerBeforeRows = rows.rows.back().tipLayer;
            if (nonFinite || rows.nonFiniteReplaced) {
                const std::vector<std::string> lines{
                    "A RESISTANCE OR VOLUME OF THIS CASE WAS NOT A FINITE",
                    "NUMBER (A DIVISION BY ZERO IN THE INPUT DATA); IT WAS",
                    "TAKEN AS ZERO.  PLEASE CHECK THE SHAFT AND LAYER DATA."};
                warnings.caseNote(lines);
            }

            // Report rows.
            if (designLoadGiven)
                for (const CapacityRow& row : rows.rows)
                    report << resultRowLine(rowInReportUnits(row, si), RowLayout::A, lrfd) << '\n';
            if (!designLoadGiven || !rows.reachedFinal) {
                std::vector<CapacityRow> shown;
                for (const CapacityRow& row : rows.rows)
                    shown.push_back(rowInReportUnits(row, si));
                const float toProject = si ? 1.0f / kFeetPerMetre : 1.0f;
                ListingSettings listing;
                listing.step = deck.PINC;
                listing.shallowestLength =
                    (deck.TOPLEN + bottomLength_ft + bellHeight_ft) * toProject;
                listing.finalLength = static_cast<float>(rows.finalLength) * toProject;
                listing.si = si;
                listing.designLoadGiven = designLoadGiven;
                listing.proposedLength = caseLength_ft * toProject;
                listing.lastRowExceedsDesignLoad =
                    !rows.rows.empty() && rows.rows.back().qdn > deck.designValue;
                for (const CapacityRow& row : listedRows(shown, listing))
                    report << resultRowLine(row, si ? RowLayout::B : RowLayout::A, lrfd) << '\n';
            }
            warnings.closeRockMessages();
            copyRockMessages(outputs.rockMessageFile, report);

            CaseSummary caseSummary;
            caseSummary.caseNumber = caseNumber;
            caseSummary.stemDiameter =
                si ? geometry.stemDiameter_ft / kFeetPerMetre : geometry.stemDiameter_ft;
            caseSummary.baseDiameter =
                si ? geometry.baseDiameter_ft / kFeetPerMetre : geometry.baseDiameter_ft;
            caseSummary.hasRows = !rows.rows.empty();
            caseSummary.reachedFinal = rows.reachedFinal;
            if (!rows.rows.empty())
                caseSummary.finalRow = rowInReportUnits(rows.rows.back(), si);
            summary.cases.push_back(caseSummary);

            if (designLoadGiven && !rows.reachedFinal) {
                writeNeedAnotherSoilLayer(notes);
                writeNeedAnotherSoilLayer(report);
                return StatusDesignLoadNotReached;
            }

            // Case end: load-settlement of the final shaft.
            if (!designLoadGiven && rows.reachedFinal && rows.tipLayerOfFinal >= 0 &&
                methods::isSoil(static_cast<MaterialKind>(kinds[rows.tipLayerOfFinal])))
                soilTipMet = true;
            if (!loadSettlement)
                writeLoadSettlementHeading(report);
            if (loadSettlement) {
                std::vector<methods::StrengthPoint> rowStrength;
                rowStrength.reserve(rows.rows.size());
                for (const CapacityRow& row : rows.rows) {
                    const int index = truncateClamped(row.length, 0, DeepestTableIndex);
                    rowStrength.push_back({row.length * 12.0f, walk.unitSide_psi[index]});
                }
                LoadSettlementCase c;
                c.deck = &deck;
                c.geometry = &geometry;
                c.soilTipMet = soilTipMet;
                c.caseNumber = caseNumber;
                c.lengthNumber = lengthNumber;
                c.diameterNumber = diameterNumber;
                c.firstCase = caseNumber == 1;
                c.caseLength_ft = caseLength_ft;
                c.bottomLength_ft = bottomLength_ft;
                c.concreteModulus_tsf = concreteModulus_tsf;
                c.rows = rows.rows;
                c.finalLength_ft = static_cast<float>(rows.finalLength);
                c.tipLayer = rows.tipLayerOfFinal;
                c.tipLayerBeforeFinal = tipLayerBeforeFinal;
                c.layerRecords = walk.records;
                c.referenceLength_ft = state.referenceLength_ft;
                c.layerStrength = walk.layerStrength;
                c.rowStrength = rowStrength;
                c.effectiveStress_psf = stressTable_psf;
                c.layerMidStress_psf = midStress_psf;
                c.deepestSliceDepth_ft = walk.deepestSlice_ft;
                c.sideAboveWeakRock_tons = walk.sideAboveWeakRock_tons;
                c.socketTop_ft = socketTop_ft;
                c.intactModulus = &state.intactModulus;
                const LoadSettlementOutcome outcome = loadSettlement(c);
                if (outcome.status > 0) {
                    warnings.closeRockMessages();
                    return outcome.status;
                }
                soilTipMet = soilTipMet || outcome.soilTipCurves;
                // Until the first case with a soil or gravel tip the report adds the points of
                // curve 1: the case's own socket curve, or zeros when it has none.
                if (!soilTipMet) {
                    std::vector<CurvePoint> points = c.curveOne;
                    points.resize(methods::kSocketPointCount);
                    writeCurveOnePoints(report, points, si);
                }
            }
            state.intactModulus.clear();
            warnings.endCase();

            // Best shaft: greatest QU per volume of concrete of the final rows.
            if (!rows.rows.empty()) {
                const CapacityRow& last = rows.rows.back();
                if (!summary.best.found || last.quPerVolume > summary.best.quPerVolume) {
                    summary.best.found = true;
                    summary.best.stemDiameter_ft = geometry.stemDiameter_ft;
                    summary.best.baseDiameter_ft = geometry.baseDiameter_ft;
                    summary.best.length_ft = last.length;
                    summary.best.volume_yd3 = last.volume;
                    summary.best.qu_tons = last.qu;
                    summary.best.quPerVolume = last.quPerVolume;
                }
            }
        }
    }
casesEnd:
    if (summary.best.found)
        writeBestCase(report, summary.best, si);
    // A profile ending in clay shale, with the strong-rock rule last used on rock under
    // 1000 psi (or not at all).
    if (layerCount > 0 && deck.layers[layerCount - 1].kindCode() == MaterialKind::ClayShale &&
        state.lastStrongRockStrength_psf < 144000.0f)
        writeWeakRockNote(report);
    return StatusNormal;
}

} // namespace korva
