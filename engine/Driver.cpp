#include "engine/Driver.h"

#include "engine/DeckRecordReader.h"
#include "engine/InputDeckReader.h"
#include "engine/InputEcho.h"

namespace korva {

void runDriver(AnalysisRun& run)
{
    DeckRecordReader reader(run.projectData, run.names.projectData.string());
    readInputDeck(reader, DeckEchoTargets{run.report, run.runNotes, run.tzReport}, run.deck);

    writeFactorOfSafetyEcho(run.report, run.deck);
    // The soil information blocks follow here once the layer methods provide their estimates.
    writeShaftEcho(run.report, run.deck);
    writeMultipleLengthEcho(run.report, run.deck);
    writeDesignChartEcho(run.report, run.deck);
    writeResultsHeading(run.report);
}

} // namespace korva
