#pragma once
// The analysis driver: reads the input deck, writes the input echo and runs the analysis of
// every case. It may end the run early by throwing RunFailure or by setting run.status.
#include "engine/analysis/CapacityAnalysis.h"
#include "engine/analysis/LoadSettlementStep.h"
#include "engine/run/RunContext.h"

namespace korva {

void runDriver(RunContext& run);

// What the driver does at the end of every case that has its capacity rows: the
// load-settlement section of the case (additional t-z curves, the "AXIAL LOAD VS SETTLEMENT
// CURVES" heading and the curves of the final shaft), then the plot records of the case. A
// curve failure returns its status above 0; the driver then ends the run at once. A case whose
// design load was never reached does not get here.
LoadSettlementOutcome finishCase(RunContext& run, LoadSettlementRunState& state,
                                 LoadSettlementCase& c);

} // namespace korva
