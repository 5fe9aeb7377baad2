#pragma once
// Everything one analysis run owns: its file names and open files, the input deck, the status
// and the failure message. A run object is created fresh for every run, so no state carries
// over from one run to the next.
#include "engine/analysis/CapacityAnalysis.h"
#include "engine/deck/InputDeck.h"
#include "engine/run/RunFailure.h"
#include "engine/run/RunFileNames.h"

#include <cstdint>
#include <ctime>
#include <fstream>
#include <string>

namespace korva {

struct RunContext
{
    RunContext(RunFileNames fileNames, const std::tm& localTime);

    RunFileNames names;
    std::tm analysisTime; // local clock reading shown in the time block

    InputDeck deck;
    // Final row of every analysed case and the best shaft, for the command-line summary.
    AnalysisSummary summary;

    // Status of the run (RunStatus values): StatusNormal until a failure ends the run.
    int32_t status = 0;
    // Message of a failure that ended the run early (empty otherwise, and empty when the stage
    // that ended the run wrote its reasons itself).
    std::string failureMessage;

    std::ifstream projectData;        // .kv8d
    std::ofstream report;             // .kv8o
    std::ofstream plot;               // .kv8p
    std::ofstream runNotes;           // .kv8r, the runtime file
    std::ofstream tzReport;           // .kv8z
    std::ofstream qwReport;           // .kv8w scratch
    std::ofstream tzPlot;             // .kv8t scratch
    std::ofstream qwPlot;             // .kv8q scratch
    std::ofstream loadSettlementPlot; // .kv8l scratch
    std::ofstream chart;              // CHART.DAT work file

    // Rewrites TZDIAM.DAT with the diameter counter of the latest Q-w curve case. Only a file
    // written during this run is appended to the plot file: a TZDIAM.DAT left by an earlier
    // run would put a stale count into the plot data.
    void writeTzDiam(int diameterCounter);
    bool tzDiamWritten() const { return tzDiamWritten_; }

    // Records the failure that ends the run: sets the status and, unless the stage has already
    // written its reasons, the message, which goes framed to the report and the run notes (when
    // they are open).
    void fail(const RunFailure& failure);

  private:
    bool tzDiamWritten_ = false;
};

} // namespace korva
