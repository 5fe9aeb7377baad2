#pragma once

#include <span>

#include "engine/analysis/CaseGeometry.h"
#include "engine/deck/InputDeck.h"
#include "engine/deck/LayerEstimates.h"
#include "engine/methods/MethodWarnings.h"
#include "engine/methods/SideResistanceCommon.h"
#include "engine/methods/WeakRock.h"

namespace korva {

// Values of the run that every slice computation reads.
struct SliceRunValues
{
    const InputDeck* deck = nullptr; // layers with their bottoms rounded for the walk
    const LayerEstimates* estimates = nullptr;
    std::span<const float> effectiveStress_psf; // sigma'v at every whole depth 0, 1, 2 ... ft
    std::span<const float> layerMidStress_psf;  // sigma'v at the middle of every layer
    methods::SideLoading loading;
    float concreteModulus_tsf = 0.0f;
    float moduliToTsf = 0.0f;   // factor from the entered moduli to tons/ft^2
    float slumpToInches = 1.0f; // factor from the entered slump to inches
    float socketTop_ft = 0.0f;  // top of the first weak or strong rock layer (code 6 or 7)
};

// State of the slice computations that lasts longer than one slice.
struct SliceRunState
{
    // Reference length of the intermediate-geomaterial methods: the middle of the latest layer
    // of code 5 or 6 walked, plus the ignored top portion. Kept across cases.
    float referenceLength_ft = 0.0f;
    // Weak-rock running average of the intact modulus, cleared after every case.
    methods::IntactModulusAverage intactModulus;
    // Rock strength last used by the strong-rock side rule (psf), 0 before any.
    float lastStrongRockStrength_psf = 0.0f;
};

// Result of one 1-ft slice.
struct SliceResult
{
    float unitSide_tsf = 0.0f;
    float perimeter_ft = 0.0f; // surface of the 1-ft slice, ft^2 per ft
    float tip_tons = 0.0f;     // slice tip after the end-bearing limit and uplift rules
    bool strongRock = false;   // marked for the tip averaging
    methods::MethodWarnings warnings;
    methods::WeakRockResult weakRock; // values of the weak-rock warning lines
};

// Side and tip resistance of the slice that ends at depth z inside layer layerIndex, for the
// shaft of the case.
SliceResult computeSlice(const SliceRunValues& run, SliceRunState& state, int layerIndex,
                         float depth_ft, const CaseGeometry& geometry);

} // namespace korva
