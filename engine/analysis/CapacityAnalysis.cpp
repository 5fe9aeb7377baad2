#include "engine/analysis/CapacityAnalysis.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/analysis/CaseSeries.h"
#include "engine/analysis/SliceResistance.h"
#include "engine/deck/UnitConversion.h"
#include "engine/methods/EffectiveStress.h"
#include "engine/methods/FloatToInt.h"
#include "engine/methods/SocketSettlement.h"
#include "engine/output/CaseWarnings.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunStatus.h"

namespace korva {

namespace {

// --- Profile preparation ---------------------------------------------------------------------

// The layer profile as every case of the run walks it, and the tables derived from it once.
struct Profile
{
    int layerCount = 0;
    float bottomLength_ft = 0.0f;  // ignored bottom portion BS, rounded to a whole foot
    float deepestBottom_ft = 0.0f; // bottom of the deepest layer, rounded
    float socketTop_ft = 0.0f;     // top of the first layer of code 6 or 7 (0 without one)
    float moduliToTsf = 0.0f;      // factor from the entered moduli to tons/ft^2
    float concreteModulus_tsf = 0.0f;
    std::vector<float> bottoms_ft;
    std::vector<int> kinds;
    std::vector<float> tipFactors;
    std::vector<float> effectiveStress_psf; // sigma'v at every whole depth 0, 1, 2 ... ft
    std::vector<float> layerMidStress_psf;  // sigma'v at the middle of every layer
};

// Rounds the layer bottoms of the deck to whole feet, as the walk uses them. Each layer's top
// becomes the rounded bottom of the layer above, so that a layer is interpolated over the
// depths it is walked and weighed in.
Profile prepareProfile(InputDeck& deck)
{
    Profile p;
    p.layerCount = std::clamp(deck.NL, 0, kMaxLayers);
    p.moduliToTsf = deck.isSI() ? kTsfPerKilopascal : kTsfPerPsi;
    p.concreteModulus_tsf = deck.Ec * p.moduliToTsf;
    p.bottomLength_ft = roundHalfAway(deck.BS);

    for (int i = 0; i < p.layerCount; ++i) {
        deck.layers[i].bottomDepth = roundHalfAway(deck.layers[i].bottomDepth);
        if (i > 0)
            deck.layers[i].topDepth = deck.layers[i - 1].bottomDepth;
    }
    p.deepestBottom_ft = p.layerCount > 0 ? deck.layers[p.layerCount - 1].bottomDepth : 0.0f;

    std::vector<methods::UnitWeightLayer> weights;
    bool socketTopFound = false;
    for (int i = 0; i < p.layerCount; ++i) {
        const SoilLayer& layer = deck.layers[i];
        weights.push_back({layer.bottomDepth, layer.GAMMA.top, layer.GAMMA.bottom});
        p.bottoms_ft.push_back(layer.bottomDepth);
        p.kinds.push_back(static_cast<int>(layer.kindCode()));
        p.tipFactors.push_back(layer.phiB);
        if (!socketTopFound && (layer.kindCode() == MaterialKind::WeakRock ||
                                layer.kindCode() == MaterialKind::StrongRockSideAndBase)) {
            p.socketTop_ft = layer.topDepth;
            socketTopFound = true;
        }
    }
    const int stressDepth = truncateClamped(p.deepestBottom_ft + 2.0f, 1, kDepthTableSize + 2);
    p.effectiveStress_psf =
        methods::effectiveVerticalStressTable_psf(weights, stressDepth, deck.WTD);
    for (int i = 0; i < p.layerCount; ++i)
        p.layerMidStress_psf.push_back(methods::layerMidEffectiveStress_psf(weights, i, deck.WTD));
    return p;
}

SliceRunValues sliceRunValues(const InputDeck& deck, const LayerEstimates& estimates,
                              const Profile& profile)
{
    SliceRunValues run;
    run.deck = &deck;
    run.estimates = &estimates;
    run.effectiveStress_psf = profile.effectiveStress_psf;
    run.layerMidStress_psf = profile.layerMidStress_psf;
    run.loading.uplift = deck.KCYCL == 2;
    run.loading.upliftFactor = deck.RCYCL;
    run.loading.baseToStemRatio = deck.RATIO;
    run.concreteModulus_tsf = profile.concreteModulus_tsf;
    run.moduliToTsf = profile.moduliToTsf;
    run.slumpToInches = deck.isSI() ? kSlumpInchesPerMetre : 1.0f;
    run.socketTop_ft = profile.socketTop_ft;
    return run;
}

// One case of the run: a length of the length series and a diameter of the diameter series.
struct SeriesCase
{
    int lengthNumber = 0;   // 1-based
    int diameterNumber = 0; // 1-based
    float length_ft = 0.0f; // proposed length (0 in a design-load run)
    float stemDiameter_ft = 0.0f;
};

// The cases of the run in order: every diameter of each length. The length series starts at
// the proposed length PD; in a design-load run the walk finds the length and PD is 0, so the
// series holds one member (the design value of such a run is a load and never a length). The
// design-chart tables hold 20 diameters: a chart series with more ends the run's cases at its
// 21st diameter.
std::vector<SeriesCase> caseList(const InputDeck& deck)
{
    const bool designChart = deck.IChart >= 1;
    const float diameterStep_ft = designChart ? deck.DIAMINCR : 0.5f;
    std::vector<float> lengths{deck.PD};
    if (deck.IPENT >= 1 || designChart)
        lengths = makeLengthSeries(deck.PD, deck.PDMIN, deck.PDINCR);
    const std::vector<float> diameters =
        makeDiameterSeries(deck.DSTART, deck.DIALIM, diameterStep_ft);

    std::vector<SeriesCase> cases;
    for (std::size_t li = 0; li < lengths.size(); ++li)
        for (std::size_t di = 0; di < diameters.size(); ++di) {
            if (designChart && di >= static_cast<std::size_t>(kMaxChartDiameters))
                return cases;
            cases.push_back(
                {static_cast<int>(li) + 1, static_cast<int>(di) + 1, lengths[li], diameters[di]});
        }
    return cases;
}

// --- Depth walk ------------------------------------------------------------------------------

// What the walk of one case leaves: the per-depth tables and what the load-settlement step
// reads of the slices.
struct Walk
{
    DepthTables tables;
    std::vector<LayerTipRecord> records;
    std::array<float, kDepthTableSize> unitSide_psi{}; // slice unit side at each table index
    std::vector<methods::LayerStrength> layerStrength;
    float deepestSlice_ft = 0.0f;
    float sideAboveWeakRock_tons = 0.0f;
    bool weakRockReached = false;
    bool nonFinite = false; // a slice force or tip was not a finite number and was taken as 0
};

// 1-ft slices from the ignored top portion down to the deepest layer bottom. The side
// resistance is summed from the top; each slice's running sum, tip and concrete volume are
// stored at the table index of the shaft length whose base lies at the slice bottom
// (z + BS + HB), and the last slice of each layer records the layer for the socket curves.
Walk walkDepths(const InputDeck& deck, const Profile& profile, const CaseGeometry& geometry,
                const SliceRunValues& run, SliceRunState& state, CaseWarnings& warnings)
{
    const int layerCount = profile.layerCount;
    const float bottomLength_ft = profile.bottomLength_ft;
    const float bellHeight_ft = geometry.bellHeight_ft;
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
                walk.nonFinite = true;
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
            const int index = truncateToInt(roundHalfAway(z_ft + bottomLength_ft + bellHeight_ft));
            if (index < 0 || index > kDeepestTableIndex)
                continue;
            walk.tables.sideResistance_tons[index] = qs_tons;
            walk.tables.lrfdSideResistance_tons[index] = qsLrfd_tons;
            walk.tables.sliceTip_tons[index] = tip;
            walk.tables.strongRockSlice[index] = s.strongRock;
            walk.tables.volume_yd3[index] =
                (static_cast<float>(index) - bellHeight_ft) * geometry.stemArea_ft2 / 27.0f +
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
    return walk;
}

// --- Row forming -----------------------------------------------------------------------------

// The capacity rows of the candidate lengths of a case, with their stop tests. The run notes
// ask for a deeper profile when no candidate fits above the deepest bottom.
CapacityRowsResult formRows(const InputDeck& deck, const Profile& profile,
                            const CaseGeometry& geometry, Walk& walk, float caseLength_ft,
                            std::ostream& runNotes)
{
    const CandidateRange range =
        candidateLengths(geometry, deck.TOPLEN, profile.bottomLength_ft, profile.deepestBottom_ft);
    if (range.last < 0)
        writeIncreaseSoilDepth(runNotes);
    RowSettings settings;
    settings.designLoadGiven = deck.METHOD == 1;
    settings.designLoad_tons = deck.designValue;
    settings.proposedLength_ft = caseLength_ft;
    settings.uplift = deck.KCYCL == 2;
    settings.lrfd = deck.NLRFD == 1;
    settings.sideSafetyFactor = deck.FST;
    settings.baseSafetyFactor = deck.FSB;
    settings.waterTable_ft = deck.WTD;
    const LayerColumn column{profile.bottoms_ft, profile.kinds, profile.tipFactors};
    return computeCapacityRows(walk.tables, geometry, settings, column, range,
                               profile.bottomLength_ft, walk.records);
}

// Which rows of the case the report lists at the depth step PINC, in the project's units.
ListingSettings listingOf(const InputDeck& deck, const Profile& profile,
                          const CaseGeometry& geometry, const CapacityRowsResult& rows,
                          float caseLength_ft)
{
    const float toProject = deck.isSI() ? 1.0f / kFeetPerMetre : 1.0f;
    ListingSettings listing;
    listing.step = deck.PINC;
    listing.shallowestLength =
        (deck.TOPLEN + profile.bottomLength_ft + geometry.bellHeight_ft) * toProject;
    listing.finalLength = static_cast<float>(rows.finalLength) * toProject;
    listing.si = deck.isSI();
    listing.designLoadGiven = deck.METHOD == 1;
    listing.proposedLength = caseLength_ft * toProject;
    listing.lastRowExceedsDesignLoad =
        !rows.rows.empty() && rows.rows.back().qdn > deck.designValue;
    return listing;
}

CaseSummary caseSummaryOf(int caseNumber, const CaseGeometry& geometry,
                          const CapacityRowsResult& rows, bool si)
{
    CaseSummary summary;
    summary.caseNumber = caseNumber;
    summary.stemDiameter = si ? geometry.stemDiameter_ft / kFeetPerMetre : geometry.stemDiameter_ft;
    summary.baseDiameter = si ? geometry.baseDiameter_ft / kFeetPerMetre : geometry.baseDiameter_ft;
    summary.hasRows = !rows.rows.empty();
    summary.reachedFinal = rows.reachedFinal;
    if (!rows.rows.empty())
        summary.finalRow = rowInReportUnits(rows.rows.back(), si);
    return summary;
}

// Best shaft: the greatest QU per volume of concrete among the last rows of the cases.
void keepBestShaft(BestCase& best, const CaseGeometry& geometry, const CapacityRowsResult& rows)
{
    if (rows.rows.empty())
        return;
    const CapacityRow& last = rows.rows.back();
    if (best.found && !(last.quPerVolume > best.quPerVolume))
        return;
    best.found = true;
    best.stemDiameter_ft = geometry.stemDiameter_ft;
    best.baseDiameter_ft = geometry.baseDiameter_ft;
    best.length_ft = last.length;
    best.volume_yd3 = last.volume;
    best.qu_tons = last.qu;
    best.quPerVolume = last.quPerVolume;
}

// --- The cases -------------------------------------------------------------------------------

// The run's cases in order, with what passes from one case to the next: the slice state, the
// once-only warnings, whether a soil or gravel tip was met, and the tip layer of the rows of
// the case before.
class CaseRun
{
  public:
    CaseRun(const InputDeck& deck, const LayerEstimates& estimates, const Profile& profile,
            AnalysisOutputs& outputs, AnalysisSummary& summary,
            const LoadSettlementStep& loadSettlement)
        : deck_(deck), profile_(profile), outputs_(outputs), summary_(summary),
          loadSettlement_(loadSettlement), slices_(sliceRunValues(deck, estimates, profile)),
          warnings_(outputs.runNotes)
    {
        warnings_.runStart(estimates);
    }

    void analyse(const SeriesCase& seriesCase);

    // The run end: the best shaft, and the note on a profile ending in clay shale with the
    // strong-rock rule last used on rock under 1000 psi (or not at all).
    void finish()
    {
        if (summary_.best.found)
            writeBestCase(outputs_.report, summary_.best, deck_.isSI());
        const int last = profile_.layerCount - 1;
        if (last >= 0 && deck_.layers[last].kindCode() == MaterialKind::ClayShale &&
            state_.lastStrongRockStrength_psf < 144000.0f)
            writeWeakRockNote(outputs_.report);
    }

  private:
    void checkProfileAgainstTables(const CaseGeometry& geometry);
    void endCase(const SeriesCase& seriesCase, const CaseGeometry& geometry, const Walk& walk,
                 const CapacityRowsResult& rows, int tipLayerBeforeFinal);

    const InputDeck& deck_;
    const Profile& profile_;
    AnalysisOutputs& outputs_;
    AnalysisSummary& summary_;
    const LoadSettlementStep& loadSettlement_;
    const SliceRunValues slices_;
    SliceRunState state_;
    CaseWarnings warnings_;
    int caseNumber_ = 0;
    bool soilTipMet_ = false;     // a case of the run has met a soil or gravel tip
    int tipLayerBeforeRows_ = -1; // tip layer of the last row of the latest case with rows
};

void CaseRun::analyse(const SeriesCase& seriesCase)
{
    const bool si = deck_.isSI();
    const bool designLoadGiven = deck_.METHOD == 1;
    ++caseNumber_;
    const CaseGeometry geometry =
        makeCaseGeometry(seriesCase.stemDiameter_ft, deck_.RATIO, deck_.BELANG);
    CaseOpening opening;
    opening.caseNumber = caseNumber_;
    opening.lengthNumber = seriesCase.lengthNumber;
    opening.diameterNumber = seriesCase.diameterNumber;
    opening.shaft = {deck_.BELANG, deck_.TOPLEN, profile_.bottomLength_ft, deck_.Ec, si};
    opening.lengthGiven = !designLoadGiven;
    opening.length_ft = seriesCase.length_ft;
    opening.lrfd = deck_.NLRFD == 1;
    opening.uplift = deck_.KCYCL == 2;
    writeCaseOpening(outputs_.report, outputs_.runNotes, geometry, opening);
    warnings_.startCase(outputs_.rockMessageFile);
    if (geometry.bellAngleUnusable)
        warnings_.bellAngleUnusable();
    checkProfileAgainstTables(geometry);

    Walk walk = walkDepths(deck_, profile_, geometry, slices_, state_, warnings_);
    const CapacityRowsResult rows =
        formRows(deck_, profile_, geometry, walk, seriesCase.length_ft, outputs_.runNotes);
    // Tip layer of the candidate before the final one. When the final length is the first
    // candidate, the tip layer recorded last by the rows of the earlier cases stands in; the
    // first case of a run has none.
    const int tipLayerBeforeFinal =
        rows.rows.size() >= 2 ? rows.tipLayerBeforeFinal : tipLayerBeforeRows_;
    if (!rows.rows.empty())
        tipLayerBeforeRows_ = rows.rows.back().tipLayer;
    if (walk.nonFinite || rows.nonFiniteReplaced)
        warnings_.nonFiniteValue();

    writeCaseResultRows(outputs_.report, rows.rows, rows.reachedFinal,
                        listingOf(deck_, profile_, geometry, rows, seriesCase.length_ft),
                        deck_.NLRFD == 1);
    warnings_.copyRockMessages(outputs_.rockMessageFile, outputs_.report);
    summary_.cases.push_back(caseSummaryOf(caseNumber_, geometry, rows, si));

    if (designLoadGiven && !rows.reachedFinal) {
        writeNeedAnotherSoilLayer(outputs_.runNotes);
        writeNeedAnotherSoilLayer(outputs_.report);
        throw RunFailure::reported(StatusDesignLoadNotReached);
    }
    endCase(seriesCase, geometry, walk, rows, tipLayerBeforeFinal);
}

// The walk stores every slice at the table index of its shaft length; a profile whose deepest
// index lies beyond the tables ends the run before any slice is stored.
void CaseRun::checkProfileAgainstTables(const CaseGeometry& geometry)
{
    const float deepestIndex = roundHalfAway(profile_.deepestBottom_ft + profile_.bottomLength_ft +
                                             geometry.bellHeight_ft);
    if (deepestIndex > static_cast<float>(kDeepestTableIndex) || !std::isfinite(deepestIndex)) {
        writeProfileBeyondTables(outputs_.report, outputs_.runNotes);
        throw RunFailure::reported(StatusProfileBeyondTables);
    }
}

// Case end: the load-settlement section of the final shaft, then the best shaft so far.
void CaseRun::endCase(const SeriesCase& seriesCase, const CaseGeometry& geometry, const Walk& walk,
                      const CapacityRowsResult& rows, int tipLayerBeforeFinal)
{
    if (deck_.METHOD != 1 && rows.reachedFinal && rows.tipLayerOfFinal >= 0 &&
        methods::isSoil(static_cast<MaterialKind>(profile_.kinds[rows.tipLayerOfFinal])))
        soilTipMet_ = true;
    if (!loadSettlement_) {
        writeLoadSettlementHeading(outputs_.report);
    } else {
        std::vector<methods::StrengthPoint> rowStrength;
        rowStrength.reserve(rows.rows.size());
        for (const CapacityRow& row : rows.rows) {
            const int index = truncateClamped(row.length, 0, kDeepestTableIndex);
            rowStrength.push_back({row.length * 12.0f, walk.unitSide_psi[index]});
        }
        LoadSettlementCase c;
        c.deck = &deck_;
        c.geometry = &geometry;
        c.soilTipMet = soilTipMet_;
        c.caseNumber = caseNumber_;
        c.lengthNumber = seriesCase.lengthNumber;
        c.diameterNumber = seriesCase.diameterNumber;
        c.firstCase = caseNumber_ == 1;
        c.caseLength_ft = seriesCase.length_ft;
        c.bottomLength_ft = profile_.bottomLength_ft;
        c.concreteModulus_tsf = profile_.concreteModulus_tsf;
        c.rows = rows.rows;
        c.finalLength_ft = static_cast<float>(rows.finalLength);
        c.tipLayer = rows.tipLayerOfFinal;
        c.tipLayerBeforeFinal = tipLayerBeforeFinal;
        c.layerRecords = walk.records;
        c.referenceLength_ft = state_.referenceLength_ft;
        c.layerStrength = walk.layerStrength;
        c.rowStrength = rowStrength;
        c.effectiveStress_psf = profile_.effectiveStress_psf;
        c.layerMidStress_psf = profile_.layerMidStress_psf;
        c.deepestSliceDepth_ft = walk.deepestSlice_ft;
        c.sideAboveWeakRock_tons = walk.sideAboveWeakRock_tons;
        c.socketTop_ft = profile_.socketTop_ft;
        c.intactModulus = &state_.intactModulus;
        const LoadSettlementOutcome outcome = loadSettlement_(c);
        soilTipMet_ = soilTipMet_ || outcome.soilTipCurves;
        // Until the first case with a soil or gravel tip the report adds the points of curve
        // 1: the case's own socket curve, or zeros when it has none.
        if (!soilTipMet_) {
            std::vector<CurvePoint> points = c.curveOne;
            points.resize(methods::kSocketPointCount);
            writeCurveOnePoints(outputs_.report, points, deck_.isSI());
        }
    }
    state_.intactModulus.clear();
    warnings_.endCase();
    keepBestShaft(summary_.best, geometry, rows);
}

} // namespace

void runCapacityAnalysis(InputDeck deck, const LayerEstimates& estimates, AnalysisOutputs& outputs,
                         AnalysisSummary& summary, const LoadSettlementStep& loadSettlement)
{
    const Profile profile = prepareProfile(deck);
    CaseRun run(deck, estimates, profile, outputs, summary, loadSettlement);
    for (const SeriesCase& seriesCase : caseList(deck))
        run.analyse(seriesCase);
    run.finish();
}

} // namespace korva
