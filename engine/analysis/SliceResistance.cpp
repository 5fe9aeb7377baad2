#include "engine/analysis/SliceResistance.h"

#include <algorithm>

#include "engine/methods/ClaySideResistance.h"
#include "engine/methods/DecomposedRock.h"
#include "engine/methods/LayerInterpolation.h"
#include "engine/methods/SandSideResistance.h"
#include "engine/methods/SideCoefficient.h"
#include "engine/methods/SoilTipResistance.h"
#include "engine/methods/StrongRock.h"
#include "engine/methods/TipResistanceCommon.h"

namespace korva {

namespace {

using MethodKind = methods::MaterialKind;

// sigma'v at a depth truncated to whole feet (the last tabulated depth beyond the table).
float stressAt(const SliceRunValues& run, float depth_ft)
{
    if (run.effectiveStress_psf.empty() || !(depth_ft >= 1.0f))
        return 0.0f;
    const auto index =
        std::min(static_cast<std::size_t>(depth_ft), run.effectiveStress_psf.size() - 1);
    return run.effectiveStress_psf[index];
}

float finishTip(const methods::TipResult& tip, float maxEndBearing_psf, float fallbackArea_ft2,
                bool uplift)
{
    const float area = tip.limitArea_ft2 > 0.0f ? tip.limitArea_ft2 : fallbackArea_ft2;
    return methods::finishSliceTip_tons(tip.tip_tons, maxEndBearing_psf / kPoundsPerTon, area,
                                        uplift);
}

// The slice that ends at depth z inside a layer: what every rule of a kind reads, with the
// layer's values interpolated at z.
struct SliceAt
{
    const SliceRunValues& run;
    const InputDeck& deck;
    const SoilLayer& layer;
    const LayerEstimate& estimate;
    int layerIndex = 0;
    MethodKind kind{};
    float z = 0.0f; // ft
    const CaseGeometry& geometry;
    bool uplift = false;
    float sigma = 0.0f; // sigma'v at z, psf
    float blowCount = 0.0f;
    float gamma = 0.0f;         // pcf
    float tranlm_tsf = 0.0f;    // side-resistance limit
    float maxEndBearing = 0.0f; // psf
    float d = 0.0f;             // stem diameter, ft
    float db = 0.0f;            // base diameter, ft

    float at(const TopBottom& tb) const
    {
        return methods::interpolateInLayer(tb.top, tb.bottom, layer.topDepth, layer.bottomDepth, z);
    }
};

// Sand, gravelly sand and gravel: side resistance by the beta or Ko rules of the kind, tip from
// the blow count (or the friction angle of sand).
void sandFamilySlice(const SliceAt& slice, SliceResult& result)
{
    const methods::SandProcedure procedure = slice.layer.sandProcedure();
    const float coefficient = methods::sliceSideCoefficient(
        slice.kind, procedure, slice.estimate.coefficientEstimated,
        slice.at(slice.estimate.coefficient), slice.z, slice.blowCount);
    methods::SideResult side;
    float phi = 0.0f;
    if (slice.kind == MethodKind::Sand) {
        methods::SandSideInput in;
        in.procedure = procedure;
        in.coefficient = coefficient;
        in.depth_ft = slice.z;
        in.sigma_v_psf = slice.sigma;
        in.gamma_pcf = slice.gamma;
        in.waterTableDepth_ft = slice.deck.WTD;
        in.frictionAngle_deg = slice.at(slice.layer.sandPhi);
        in.interfaceAngle_deg = slice.at(slice.layer.interfaceAngle);
        in.cohesion_psf = slice.at(slice.layer.CU);
        in.blowCount = slice.blowCount;
        in.maxLoadTransfer_tsf = slice.tranlm_tsf;
        side = methods::sandUnitSide(in, slice.run.loading);
        phi = in.frictionAngle_deg;
    } else {
        methods::GravelSideInput in;
        in.beta = coefficient;
        in.depth_ft = slice.z;
        in.sigma_v_psf = slice.sigma;
        in.gamma_pcf = slice.gamma;
        in.waterTableDepth_ft = slice.deck.WTD;
        in.maxLoadTransfer_tsf = slice.tranlm_tsf;
        side = slice.kind == MethodKind::GravellySand
                   ? methods::gravellySandUnitSide(in, slice.run.loading)
                   : methods::gravelUnitSide(in, slice.run.loading);
    }
    result.unitSide_tsf = side.unitSide_tsf;
    result.warnings.add(side.warnings);
    methods::SandTipInput tipIn;
    tipIn.blowCount = slice.blowCount;
    tipIn.frictionAngle_deg = phi;
    tipIn.depth_ft = slice.z;
    tipIn.baseDiameter_ft = slice.db;
    tipIn.reduceNearSurfaceAndLargeBase = slice.deck.IMOD == 1;
    const methods::TipResult tip = methods::sandFamilyTip(tipIn);
    result.warnings.add(tip.warnings);
    result.tip_tons =
        finishTip(tip, slice.maxEndBearing, slice.geometry.baseArea_ft2, slice.uplift);
}

// Clay and clay shale: alpha side resistance and the undrained-strength tip.
void claySlice(const SliceAt& slice, SliceResult& result)
{
    const float alpha = methods::sliceSideCoefficient(
        slice.kind, methods::SandProcedure::Beta, slice.estimate.coefficientEstimated,
        slice.at(slice.estimate.coefficient), slice.z, slice.blowCount);
    methods::ClaySideInput in;
    in.kind = slice.kind;
    in.alpha = alpha;
    in.cu_psf = slice.at(slice.layer.CU);
    in.blowCount = slice.blowCount;
    in.gamma_pcf = slice.gamma;
    in.maxLoadTransfer_tsf = slice.tranlm_tsf;
    const methods::SideResult side = methods::clayUnitSide(in, slice.run.loading);
    result.unitSide_tsf = side.unitSide_tsf;
    result.warnings.add(side.warnings);
    methods::ClayTipInput tipIn;
    tipIn.kind = slice.kind;
    tipIn.bearingFactorNc = slice.at(slice.layer.clayNc);
    tipIn.bearingFactorEstimated = slice.estimate.ncEstimated;
    tipIn.cu_psf = in.cu_psf;
    tipIn.layerHasUndrainedStrength =
        slice.layer.CU.top > 0.00001f || slice.layer.CU.bottom > 0.00001f;
    tipIn.blowCount = slice.blowCount;
    tipIn.depth_ft = slice.z;
    tipIn.initialDiameter_ft = slice.deck.DSTART;
    tipIn.baseDiameter_ft = slice.db;
    const methods::TipResult tip = methods::clayFamilyTip(tipIn);
    result.warnings.add(tip.warnings);
    result.tip_tons =
        finishTip(tip, slice.maxEndBearing, slice.geometry.baseArea_ft2, slice.uplift);
}

// Strong rock: socket side resistance over the socket perimeter and the rock tip, marked for
// the tip averaging. The slice keeps the rock strength for the weak-shale note of the run end.
void strongRockSlice(const SliceAt& slice, SliceRunState& state, SliceResult& result)
{
    methods::StrongRockInput in;
    in.kind = slice.kind;
    in.rockStrength_psf = slice.at(slice.layer.QUR);
    in.concreteStrength_psf = slice.at(slice.layer.QUCON);
    in.discontinuitySpacing_ft = slice.at(slice.layer.CS);
    in.discontinuityThickness_ft = slice.at(slice.layer.DISCT);
    in.socketDiameter_ft = slice.at(slice.layer.BDS);
    in.stemDiameter_ft = slice.d;
    in.initialDiameter_ft = slice.deck.DSTART;
    in.uplift = slice.uplift;
    in.maxLoadTransfer_tsf = slice.tranlm_tsf;
    const methods::SideResult side = methods::strongRockUnitSide(in);
    state.lastStrongRockStrength_psf = in.rockStrength_psf;
    result.unitSide_tsf = side.unitSide_tsf;
    result.warnings.add(side.warnings);
    const float scale = methods::socketScale(slice.d, slice.deck.DSTART, result.warnings);
    result.perimeter_ft =
        methods::slicePerimeter_ft(slice.kind, slice.d, in.socketDiameter_ft, scale);
    const methods::TipResult tip = methods::strongRockTip(in);
    result.warnings.add(tip.warnings);
    result.tip_tons =
        finishTip(tip, slice.maxEndBearing, slice.geometry.baseArea_ft2, slice.uplift);
    result.strongRock = true;
}

// Decomposed rock (an intermediate geomaterial): side and tip from the blow count, referred
// to the middle of the layer.
void decomposedRockSlice(const SliceAt& slice, SliceRunState& state, SliceResult& result)
{
    state.referenceLength_ft =
        0.5f * (slice.layer.topDepth + slice.layer.bottomDepth) + slice.deck.TOPLEN;
    methods::DecomposedRockInput in;
    in.depth_ft = slice.z;
    in.blowCount = slice.blowCount;
    in.sigmaVSlice_psf = slice.sigma;
    in.sigmaVLayerMid_psf = slice.layerIndex < static_cast<int>(slice.run.layerMidStress_psf.size())
                                ? slice.run.layerMidStress_psf[slice.layerIndex]
                                : slice.sigma;
    in.referenceLength_ft = state.referenceLength_ft;
    in.socketDiameter_ft = slice.at(slice.layer.BDS);
    in.stemDiameter_ft = slice.d;
    in.initialDiameter_ft = slice.deck.DSTART;
    in.gamma_pcf = slice.gamma;
    in.shaftBaseArea_ft2 = methods::baseArea_ft2(slice.db);
    in.maxLoadTransfer_tsf = slice.tranlm_tsf;
    const methods::DecomposedRockResult r = methods::decomposedRock(in);
    result.unitSide_tsf = r.side.unitSide_tsf;
    result.warnings.add(r.warnings);
    {
        methods::MethodWarnings ignored;
        const float scale = methods::socketScale(slice.d, slice.deck.DSTART, ignored);
        result.perimeter_ft =
            methods::slicePerimeter_ft(slice.kind, slice.d, in.socketDiameter_ft, scale);
    }
    result.tip_tons = finishTip(r.tip, slice.maxEndBearing, in.shaftBaseArea_ft2, slice.uplift);
}

// Weak rock (an intermediate geomaterial): socket side and tip with the running average of
// the intact modulus of the case.
void weakRockSlice(const SliceAt& slice, SliceRunState& state, SliceResult& result)
{
    state.referenceLength_ft =
        0.5f * (slice.layer.topDepth + slice.layer.bottomDepth) + slice.deck.TOPLEN;
    state.intactModulus.add(slice.at(slice.layer.EL) * slice.run.moduliToTsf);
    methods::WeakRockInput in;
    in.depth_ft = slice.z;
    in.socketTop_ft = slice.run.socketTop_ft;
    in.referenceLength_ft = state.referenceLength_ft;
    in.socketDiameter_ft = slice.at(slice.layer.BDS);
    in.socketDiameterLayerBottom_ft = slice.layer.BDS.bottom;
    in.stemDiameter_ft = slice.d;
    in.initialDiameter_ft = slice.deck.DSTART;
    in.rockStrength_psf = slice.at(slice.layer.QUR);
    const int condition = static_cast<int>(slice.at(slice.layer.interfaceCondition) + 0.5f);
    in.interface = static_cast<methods::WeakRockInterface>(std::clamp(condition, 1, 4));
    in.slump_in = slice.at(slice.layer.slump) * slice.run.slumpToInches;
    in.interfaceFrictionAngle_deg = slice.at(slice.layer.interfaceFrictionAngle);
    in.rqd_percent = slice.at(slice.layer.RQD);
    in.averageIntactModulus_tsf = state.intactModulus.mean_tsf();
    in.concreteModulus_tsf = slice.run.concreteModulus_tsf;
    in.shaftBaseArea_ft2 = methods::baseArea_ft2(slice.db);
    in.maxLoadTransfer_tsf = slice.tranlm_tsf;
    result.weakRock = methods::weakRock(in);
    result.unitSide_tsf = result.weakRock.side.unitSide_tsf;
    result.warnings.add(result.weakRock.warnings);
    methods::MethodWarnings ignored;
    const float scale = methods::socketScale(slice.d, slice.deck.DSTART, ignored);
    result.perimeter_ft =
        methods::slicePerimeter_ft(slice.kind, slice.d, in.socketDiameter_ft, scale);
    result.tip_tons =
        finishTip(result.weakRock.tip, slice.maxEndBearing, in.shaftBaseArea_ft2, slice.uplift);
}

} // namespace

SliceResult computeSlice(const SliceRunValues& run, SliceRunState& state, int layerIndex, float z,
                         const CaseGeometry& geometry)
{
    SliceResult result;
    const InputDeck& deck = *run.deck;
    const SoilLayer& layer = deck.layers[layerIndex];
    MethodKind kind{};
    if (!methods::materialKindFromCode(layer.kind, kind))
        return result;
    SliceAt slice{run, deck, layer, (*run.estimates)[layerIndex], layerIndex, kind, z, geometry};
    slice.uplift = run.loading.uplift;
    slice.sigma = stressAt(run, z);
    slice.blowCount = slice.at(layer.BLOWS);
    slice.gamma = slice.at(layer.GAMMA);
    slice.tranlm_tsf = slice.at(layer.TRANLM) / kPoundsPerTon;
    slice.maxEndBearing = slice.at(layer.maxEndBearing);
    slice.d = geometry.stemDiameter_ft;
    slice.db = geometry.baseDiameter_ft;
    result.perimeter_ft = methods::slicePerimeter_ft(kind, slice.d, 0.0f, 1.0f);

    switch (kind) {
    case MethodKind::Sand:
    case MethodKind::GravellySand:
    case MethodKind::Gravel:
        sandFamilySlice(slice, result);
        break;
    case MethodKind::Clay:
    case MethodKind::ClayShale:
        claySlice(slice, result);
        break;
    case MethodKind::StrongRockSideOrBase:
    case MethodKind::StrongRockSideAndBase:
        strongRockSlice(slice, state, result);
        break;
    case MethodKind::DecomposedRock:
        decomposedRockSlice(slice, state, result);
        break;
    case MethodKind::WeakRock:
        weakRockSlice(slice, state, result);
        break;
    case MethodKind::None: // materialKindFromCode never gives it
        break;
    }
    return result;
}

} // namespace korva
