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

methods::SandProcedure sandProcedureOf(const SoilLayer& layer)
{
    if (layer.sandMethod == 1.0f)
        return methods::SandProcedure::Ko;
    if (layer.sandMethod == 2.0f)
        return methods::SandProcedure::Beta;
    return methods::SandProcedure::KulhawyChen;
}

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

} // namespace

SliceResult computeSlice(const SliceRunValues& run, SliceRunState& state, int layerIndex, float z,
                         const CaseGeometry& geometry)
{
    SliceResult result;
    const InputDeck& deck = *run.deck;
    const SoilLayer& layer = deck.layers[layerIndex];
    const LayerEstimate& estimate = (*run.estimates)[layerIndex];
    MethodKind kind{};
    if (!methods::materialKindFromCode(layer.kind, kind))
        return result;
    auto at = [&](const TopBottom& tb) {
        return methods::interpolateInLayer(tb.top, tb.bottom, layer.topDepth, layer.bottomDepth, z);
    };
    const bool uplift = run.loading.uplift;
    const float sigma = stressAt(run, z);
    const float blowCount = at(layer.BLOWS);
    const float gamma = at(layer.GAMMA);
    const float tranlm_tsf = at(layer.TRANLM) / kPoundsPerTon;
    const float maxEndBearing = at(layer.maxEndBearing);
    const float d = geometry.stemDiameter_ft;
    const float db = geometry.baseDiameter_ft;
    result.perimeter_ft = methods::slicePerimeter_ft(kind, d, 0.0f, 1.0f);

    switch (kind) {
    case MethodKind::Sand:
    case MethodKind::GravellySand:
    case MethodKind::Gravel: {
        const methods::SandProcedure procedure = sandProcedureOf(layer);
        const float coefficient = methods::sliceSideCoefficient(
            kind, procedure, estimate.coefficientEstimated, at(estimate.coefficient), z, blowCount);
        methods::SideResult side;
        float phi = 0.0f;
        if (kind == MethodKind::Sand) {
            methods::SandSideInput in;
            in.procedure = procedure;
            in.coefficient = coefficient;
            in.depth_ft = z;
            in.sigma_v_psf = sigma;
            in.gamma_pcf = gamma;
            in.waterTableDepth_ft = deck.WTD;
            in.frictionAngle_deg = at(layer.sandPhi);
            in.interfaceAngle_deg = at(layer.interfaceAngle);
            in.cohesion_psf = at(layer.CU);
            in.blowCount = blowCount;
            in.maxLoadTransfer_tsf = tranlm_tsf;
            side = methods::sandUnitSide(in, run.loading);
            phi = in.frictionAngle_deg;
        } else {
            methods::GravelSideInput in;
            in.beta = coefficient;
            in.depth_ft = z;
            in.sigma_v_psf = sigma;
            in.gamma_pcf = gamma;
            in.waterTableDepth_ft = deck.WTD;
            in.maxLoadTransfer_tsf = tranlm_tsf;
            side = kind == MethodKind::GravellySand ? methods::gravellySandUnitSide(in, run.loading)
                                                    : methods::gravelUnitSide(in, run.loading);
        }
        result.unitSide_tsf = side.unitSide_tsf;
        result.warnings.add(side.warnings);
        methods::SandTipInput tipIn;
        tipIn.blowCount = blowCount;
        tipIn.frictionAngle_deg = phi;
        tipIn.depth_ft = z;
        tipIn.baseDiameter_ft = db;
        tipIn.reduceNearSurfaceAndLargeBase = deck.IMOD == 1;
        const methods::TipResult tip = methods::sandFamilyTip(tipIn);
        result.warnings.add(tip.warnings);
        result.tip_tons = finishTip(tip, maxEndBearing, geometry.baseArea_ft2, uplift);
        break;
    }
    case MethodKind::Clay:
    case MethodKind::ClayShale: {
        const float alpha = methods::sliceSideCoefficient(kind, methods::SandProcedure::Beta,
                                                          estimate.coefficientEstimated,
                                                          at(estimate.coefficient), z, blowCount);
        methods::ClaySideInput in;
        in.kind = kind;
        in.alpha = alpha;
        in.cu_psf = at(layer.CU);
        in.blowCount = blowCount;
        in.gamma_pcf = gamma;
        in.maxLoadTransfer_tsf = tranlm_tsf;
        const methods::SideResult side = methods::clayUnitSide(in, run.loading);
        result.unitSide_tsf = side.unitSide_tsf;
        result.warnings.add(side.warnings);
        methods::ClayTipInput tipIn;
        tipIn.kind = kind;
        tipIn.bearingFactorNc = at(layer.clayNc);
        tipIn.bearingFactorEstimated = estimate.ncEstimated;
        tipIn.cu_psf = in.cu_psf;
        tipIn.layerHasUndrainedStrength = layer.CU.top > 0.00001f || layer.CU.bottom > 0.00001f;
        tipIn.blowCount = blowCount;
        tipIn.depth_ft = z;
        tipIn.initialDiameter_ft = deck.DSTART;
        tipIn.baseDiameter_ft = db;
        const methods::TipResult tip = methods::clayFamilyTip(tipIn);
        result.warnings.add(tip.warnings);
        result.tip_tons = finishTip(tip, maxEndBearing, geometry.baseArea_ft2, uplift);
        break;
    }
    case MethodKind::StrongRockSideOrBase:
    case MethodKind::StrongRockSideAndBase: {
        methods::StrongRockInput in;
        in.kind = kind;
        in.rockStrength_psf = at(layer.QUR);
        in.concreteStrength_psf = at(layer.QUCON);
        in.discontinuitySpacing_ft = at(layer.CS);
        in.discontinuityThickness_ft = at(layer.DISCT);
        in.socketDiameter_ft = at(layer.BDS);
        in.stemDiameter_ft = d;
        in.initialDiameter_ft = deck.DSTART;
        in.uplift = uplift;
        in.maxLoadTransfer_tsf = tranlm_tsf;
        const methods::SideResult side = methods::strongRockUnitSide(in);
        state.lastStrongRockStrength_psf = in.rockStrength_psf;
        result.unitSide_tsf = side.unitSide_tsf;
        result.warnings.add(side.warnings);
        const float scale = methods::socketScale(d, deck.DSTART, result.warnings);
        result.perimeter_ft = methods::slicePerimeter_ft(kind, d, in.socketDiameter_ft, scale);
        const methods::TipResult tip = methods::strongRockTip(in);
        result.warnings.add(tip.warnings);
        result.tip_tons = finishTip(tip, maxEndBearing, geometry.baseArea_ft2, uplift);
        result.strongRock = true;
        break;
    }
    case MethodKind::DecomposedRock: {
        state.referenceLength_ft = 0.5f * (layer.topDepth + layer.bottomDepth) + deck.TOPLEN;
        methods::DecomposedRockInput in;
        in.depth_ft = z;
        in.blowCount = blowCount;
        in.sigmaVSlice_psf = sigma;
        in.sigmaVLayerMid_psf = layerIndex < static_cast<int>(run.layerMidStress_psf.size())
                                    ? run.layerMidStress_psf[layerIndex]
                                    : sigma;
        in.referenceLength_ft = state.referenceLength_ft;
        in.socketDiameter_ft = at(layer.BDS);
        in.stemDiameter_ft = d;
        in.initialDiameter_ft = deck.DSTART;
        in.gamma_pcf = gamma;
        in.shaftBaseArea_ft2 = methods::baseArea_ft2(db);
        in.maxLoadTransfer_tsf = tranlm_tsf;
        const methods::DecomposedRockResult r = methods::decomposedRock(in);
        result.unitSide_tsf = r.side.unitSide_tsf;
        result.warnings.add(r.warnings);
        {
            methods::MethodWarnings ignored;
            const float scale = methods::socketScale(d, deck.DSTART, ignored);
            result.perimeter_ft = methods::slicePerimeter_ft(kind, d, in.socketDiameter_ft, scale);
        }
        result.tip_tons = finishTip(r.tip, maxEndBearing, in.shaftBaseArea_ft2, uplift);
        break;
    }
    case MethodKind::WeakRock: {
        state.referenceLength_ft = 0.5f * (layer.topDepth + layer.bottomDepth) + deck.TOPLEN;
        state.intactModulus.add(at(layer.EL) * run.moduliToTsf);
        methods::WeakRockInput in;
        in.depth_ft = z;
        in.socketTop_ft = run.socketTop_ft;
        in.referenceLength_ft = state.referenceLength_ft;
        in.socketDiameter_ft = at(layer.BDS);
        in.socketDiameterLayerBottom_ft = layer.BDS.bottom;
        in.stemDiameter_ft = d;
        in.initialDiameter_ft = deck.DSTART;
        in.rockStrength_psf = at(layer.QUR);
        const int condition = static_cast<int>(at(layer.interfaceCondition) + 0.5f);
        in.interface = static_cast<methods::WeakRockInterface>(std::clamp(condition, 1, 4));
        in.slump_in = at(layer.slump) * run.slumpToInches;
        in.interfaceFrictionAngle_deg = at(layer.interfaceFrictionAngle);
        in.rqd_percent = at(layer.RQD);
        in.averageIntactModulus_tsf = state.intactModulus.mean_tsf();
        in.concreteModulus_tsf = run.concreteModulus_tsf;
        in.shaftBaseArea_ft2 = methods::baseArea_ft2(db);
        in.maxLoadTransfer_tsf = tranlm_tsf;
        result.weakRock = methods::weakRock(in);
        result.unitSide_tsf = result.weakRock.side.unitSide_tsf;
        result.warnings.add(result.weakRock.warnings);
        methods::MethodWarnings ignored;
        const float scale = methods::socketScale(d, deck.DSTART, ignored);
        result.perimeter_ft = methods::slicePerimeter_ft(kind, d, in.socketDiameter_ft, scale);
        result.tip_tons =
            finishTip(result.weakRock.tip, maxEndBearing, in.shaftBaseArea_ft2, uplift);
        break;
    }
    case MethodKind::None: // materialKindFromCode never gives it
        break;
    }
    return result;
}

} // namespace korva
