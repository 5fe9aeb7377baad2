#pragma once
// The analysis driver: reads the input deck, writes the input echo and runs the analysis of
// every case. A run that cannot go on ends with RunFailure.
#include "engine/analysis/CapacityAnalysis.h"
#include "engine/analysis/LoadSettlementStep.h"
#include "engine/run/RunContext.h"

namespace korva {

void runDriver(RunContext& run);

// What the driver does at the end of every case that has its capacity rows: the
// load-settlement section of the case (additional t-z curves, the "AXIAL LOAD VS SETTLEMENT
// CURVES" heading and the curves of the final shaft), then the plot records of the case. A
// curve failure ends the run inside the load-settlement section (RunFailure). A case whose
// design load was never reached does not get here.
LoadSettlementOutcome finishCase(RunContext& run, LoadSettlementRunState& state,
                                 LoadSettlementCase& c);

} // namespace korva
