#pragma once
// The analysis driver: reads the input deck, writes the input echo and runs the analysis of
// every case. It may end the run early by throwing RunFailure or by setting run.status.
#include "engine/AnalysisRun.h"

namespace korva {

void runDriver(AnalysisRun& run);

} // namespace korva
